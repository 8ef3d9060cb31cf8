#pragma once
// The language the worksheet's own texts are written in: its status lines, refusals, notes, names of
// unlettered faces and edges and the measures' headings. Each text is written once, with both
// wordings side by side where it is said; "{}" stands for the values put in, in order.

#include <initializer_list>
#include <string>
#include <string_view>

#include "drawing/sheet.hpp"

namespace orrin {

using quarn::CaptionLanguage;

// The wording for the language, each "{}" replaced by the next value; values left over are dropped,
// a "{}" without a value stays as it is.
std::string Say(CaptionLanguage language, std::string_view chinese, std::string_view english,
                std::initializer_list<std::string_view> values = {});

}  // namespace orrin
