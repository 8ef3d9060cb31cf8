#pragma once
// Frame stage 5: painting the draw list onto the view surface in the camera's draw style.
//
// The view surface is the Canvas: its pen colour is the picture's ForeColor, brush colour FillColor,
// brush style FillStyle, pen style the picture's DrawStyle and raster mode DrawMode. The canvas keeps
// them between frames; each draw style sets only the ones it needs.

#include "math/color.hpp"

namespace quarn {

class Canvas;

// Sets the surface up for the camera's draw style, computes the colours the style needs, paints the
// listed faces back to front, then draws the primitive meshes on top.
void DrawScene(Canvas& surface, int camera);

// Fills the face's projected triangle (corners A, B, C) in the given colour with the surface's current
// pen, brush style and raster mode. Also outlines the face under the pointer.
void FillFace(Canvas& surface, int face, const ColorRGB16& color);

// Fills the face's projected triangle with colours interpolated between its corners. A component
// outside 0..255 has no 16-bit channel and raises ArithmeticError.
void GouraudFace(Canvas& surface, int face, const ColorRGB16& colorA, const ColorRGB16& colorB,
                 const ColorRGB16& colorC);

}  // namespace quarn
