#include "platform/font_files.hpp"

#include <fontconfig/fontconfig.h>

namespace quarn {
namespace {

std::optional<FontFile> FileOf(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    FontFile found{reinterpret_cast<const char*>(file), 0};
    FcPatternGetInteger(font, FC_INDEX, 0, &found.Index);
    return found;
}

bool HoldsAll(FcPattern* font, std::initializer_list<char32_t> characters) {
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) return false;
    for (const char32_t c : characters)
        if (!FcCharSetHasChar(charset, c)) return false;
    return true;
}

}  // namespace

std::optional<FontFile> FindFontFile(const char* pattern, std::initializer_list<char32_t> characters) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return std::nullopt;
    std::optional<FontFile> chosen;
    std::optional<FontFile> fallback;
    if (FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern))) {
        FcConfigSubstitute(config, wanted, FcMatchPattern);
        FcDefaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        if (characters.size() == 0) {
            if (FcPattern* match = FcFontMatch(config, wanted, &result)) {
                chosen = FileOf(match);
                FcPatternDestroy(match);
            }
        } else if (FcFontSet* fonts = FcFontSort(config, wanted, FcFalse, nullptr, &result)) {
            for (int i = 0; i < fonts->nfont && !chosen; ++i) {
                const std::optional<FontFile> candidate = FileOf(fonts->fonts[i]);
                if (!candidate) continue;
                if (HoldsAll(fonts->fonts[i], characters))
                    chosen = candidate;
                else if (!fallback)
                    fallback = candidate;
            }
            FcFontSetDestroy(fonts);
        }
        FcPatternDestroy(wanted);
    }
    FcConfigDestroy(config);
    return chosen ? chosen : fallback;
}

}  // namespace quarn
