#pragma once
// A fixed table of 10001 slots, 0..10000, whose every access checks the index.

#include <string>
#include <vector>

#include "platform/engine_fault.hpp"

namespace quarn {

inline constexpr int kTableCapacity = 10000;

template <class T>
class Table {
public:
    Table() : slots_(kTableCapacity + 1) {}

    T& operator[](int index) { return slots_[Checked(index)]; }
    const T& operator[](int index) const { return slots_[Checked(index)]; }

    // Resets every slot to its zero value.
    void Clear() { slots_.assign(slots_.size(), T{}); }

private:
    static std::size_t Checked(int index) {
        if (index < 0 || index > kTableCapacity)
            throw IndexRangeError("Index " + std::to_string(index) + " is outside the tables (0..10000)");
        return static_cast<std::size_t>(index);
    }

    std::vector<T> slots_;
};

}  // namespace quarn
