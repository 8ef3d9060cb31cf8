#pragma once
// Meshes drawn as marks instead of faces: a pixel, a text label, a line or a Bezier curve. Such a mesh
// is visible and has one face, whose colour is the mark's; its 1, 2 or 4 vertices say what it is.

namespace quarn {

class Canvas;

// Draws every primitive mesh whose first vertex lies between the near and far planes, in mesh slot
// order, on top of whatever the surface holds. A mark with a vertex that projects beyond the 32-bit
// pixel range is skipped.
void DrawPrimitiveMeshes(Canvas& surface);

}  // namespace quarn
