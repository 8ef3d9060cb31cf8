#include "drawing/label_font.hpp"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

namespace quarn {
namespace {

struct FontFile {
    std::string Path;
    int Index = 0;
};

// The best match for italic serif text, through a fontconfig configuration of our own that is
// destroyed again.
std::optional<FontFile> FindLabelFontFile() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return std::nullopt;
    std::optional<FontFile> found;
    if (FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("serif:slant=italic"))) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
                found = FontFile{reinterpret_cast<const char*>(file), 0};
                FcPatternGetInteger(match, FC_INDEX, 0, &found->Index);
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return found;
}

const cairo_user_data_key_t kFaceKey{};

void ReleaseFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

}  // namespace

LabelFont::LabelFont() {
    const std::optional<FontFile> file = FindLabelFontFile();
    FT_Library library = nullptr;
    if (!file || FT_Init_FreeType(&library) != 0) return;
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file->Path.c_str(), file->Index, &face) != 0) return;
    face_ = cairo_ft_font_face_create_for_ft_face(face, 0);
    // Cairo may hold the face past our reference; the FreeType face goes when Cairo lets go of it.
    if (cairo_font_face_set_user_data(face_, &kFaceKey, face, ReleaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face_);
        face_ = nullptr;
        FT_Done_Face(face);
    }
}

LabelFont::~LabelFont() {
    if (face_ != nullptr) cairo_font_face_destroy(face_);
    // Empties Cairo's font caches, which lets go of the face; no other Cairo object is alive by now,
    // since Cairo is used only while a sheet is written.
    cairo_debug_reset_static_data();
    if (library_ != nullptr) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

}  // namespace quarn
