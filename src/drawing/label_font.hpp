#pragma once
// The font of the vertex letters: an italic serif face that fontconfig picks, loaded with FreeType and
// handed to Cairo. Cairo's own font selection would leave fontconfig patterns in caches that outlive
// the program; this face is released, with Cairo's caches, when the object goes.

#include <cairo.h>

namespace quarn {

class LabelFont {
  public:
    LabelFont();
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

    // Null when no font could be loaded: the letters are then left out.
    cairo_font_face_t* Face() const { return face_; }

  private:
    void* library_ = nullptr;  // FT_Library
    cairo_font_face_t* face_ = nullptr;
};

}  // namespace quarn
