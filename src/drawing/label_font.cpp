#include "drawing/label_font.hpp"

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

}  // namespace

LabelFont::LabelFont() {
    const std::optional<FontFile> file = FindFontFile("serif:slant=italic");
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
