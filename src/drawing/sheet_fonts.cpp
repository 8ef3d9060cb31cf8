#include "drawing/sheet_fonts.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>

#include "platform/font_files.hpp"

namespace quarn {
namespace {

const cairo_user_data_key_t kFaceKey{};

void ReleaseFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

// Each pattern's file is looked up once: fontconfig reads its whole configuration for every look-up,
// which costs more than drawing a sheet. The files do not change while the program runs.
const std::optional<FontFile>& LetterFontFile() {
    static const std::optional<FontFile> file = FindFontFile("serif:slant=italic");
    return file;
}

const std::optional<FontFile>& TextFontFile() {
    static const std::optional<FontFile> file = FindFontFile("sans-serif", {U'视'});
    return file;
}

}  // namespace

SheetFonts::SheetFonts() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return;
    library_ = library;
    letters_ = Load(LetterFontFile());
    text_ = Load(TextFontFile());
}

cairo_font_face_t* SheetFonts::Load(const std::optional<FontFile>& file) {
    FT_Face face = nullptr;
    if (!file || FT_New_Face(static_cast<FT_Library>(library_), file->Path.c_str(), file->Index, &face) != 0)
        return nullptr;
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    // Cairo may hold the face past our reference; the FreeType face goes when Cairo lets go of it.
    if (cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, ReleaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(face);
        return nullptr;
    }
    return cairoFace;
}

SheetFonts::~SheetFonts() {
    for (cairo_font_face_t* face : {letters_, text_})
        if (face != nullptr) cairo_font_face_destroy(face);
    // Empties Cairo's font caches, which lets go of the faces; no other Cairo object is alive by now,
    // since Cairo is used only while a sheet is written.
    cairo_debug_reset_static_data();
    if (library_ != nullptr) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

}  // namespace quarn
