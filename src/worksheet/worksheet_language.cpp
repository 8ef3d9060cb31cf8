#include "worksheet/worksheet_language.hpp"

namespace orrin {

std::string Say(CaptionLanguage language, std::string_view chinese, std::string_view english,
                std::initializer_list<std::string_view> values) {
    const std::string_view text = language == CaptionLanguage::English ? english : chinese;
    std::string said;
    said.reserve(text.size());
    const std::string_view* next = values.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 1 < text.size() && text[i + 1] == '}' && next != values.end()) {
            said += *next++;
            ++i;
        } else {
            said += text[i];
        }
    }
    return said;
}

}  // namespace orrin
