#pragma once
// Font files found through fontconfig, in a configuration of our own that is destroyed again, so that
// no fontconfig state outlives the look-up.

#include <initializer_list>
#include <optional>
#include <string>

namespace quarn {

struct FontFile {
    std::string Path;
    int Index = 0;  // of the face within the file
};

// The font for a fontconfig pattern such as "serif:slant=italic". Without characters, fontconfig's
// best match; with them, the first font in fontconfig's order for the pattern that holds them all,
// failing that the first font at all.
std::optional<FontFile> FindFontFile(const char* pattern, std::initializer_list<char32_t> characters = {});

}  // namespace quarn
