#pragma once
// The fonts of a sheet: an italic serif face for the vertex letters and an upright face that holds
// Chinese for captions and notes, found through fontconfig, loaded with FreeType and handed to Cairo.
// Cairo's own font selection would leave fontconfig patterns in caches that outlive the program; these
// faces are released, with Cairo's caches, when the object goes, so it must outlive every Cairo object
// of the sheet.

#include <cairo.h>

#include <optional>

#include "platform/font_files.hpp"

namespace quarn {

class SheetFonts {
  public:
    SheetFonts();
    ~SheetFonts();
    SheetFonts(const SheetFonts&) = delete;
    SheetFonts& operator=(const SheetFonts&) = delete;

    // Null when no font could be loaded: those texts are then left out.
    cairo_font_face_t* Letters() const { return letters_; }
    cairo_font_face_t* Text() const { return text_; }

  private:
    cairo_font_face_t* Load(const std::optional<FontFile>& file);

    void* library_ = nullptr;  // FT_Library
    cairo_font_face_t* letters_ = nullptr;
    cairo_font_face_t* text_ = nullptr;
};

}  // namespace quarn
