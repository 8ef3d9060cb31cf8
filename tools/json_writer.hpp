#pragma once
// A small streaming JSON writer: objects, arrays, strings and numbers, with commas placed for you.

#include <ostream>
#include <string_view>
#include <vector>

namespace orrin {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next member of the current object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);
    // Convenience: a key followed by its value.
    template <class T>
    JsonWriter& Field(std::string_view name, const T& value) {
        Key(name);
        return Value(value);
    }
    JsonWriter& Value(std::string_view text) { return String(text); }
    JsonWriter& Value(const char* text) { return String(text); }
    JsonWriter& Value(bool value) { return Bool(value); }
    JsonWriter& Value(double value) { return Number(value); }
    JsonWriter& Value(float value) { return Number(value); }
    JsonWriter& Value(int value) { return Number(value); }
    JsonWriter& Value(short value) { return Number(value); }

private:
    void BeforeValue();

    std::ostream& out_;
    std::vector<bool> hasItems_;  // per open container: whether it already holds an item
    bool afterKey_ = false;
};

}  // namespace orrin
