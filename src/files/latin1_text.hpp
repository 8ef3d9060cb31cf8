#pragma once
// Text in model files is one byte per character (Latin-1); in memory it is UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace quarn {

// Every byte becomes the character with that code.
std::string Latin1ToUtf8(std::string_view latin1);

// The one-byte form of the text, or nothing when it is not valid UTF-8 or holds a character outside
// U+0001..U+00FF (U+0000 is excluded because it would end the text early in a file).
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

}  // namespace quarn
