#pragma once
// Frame stage 3: camera space to the pixels of the view surface, with a depth of 0 at the near plane
// and 1 at the far plane.

#include "math/matrix.hpp"

namespace quarn {

class Canvas;

// The matrix that maps camera space to the screen before the division by w. distanceFactor is
// nearClip * tan(half field of view); scaleX and scaleY are the pixels from the centre to the edge of
// the field of view. Unusable clip distances (near not above 0, or near not below far) show
// "Bad camera settings!" and give the zero matrix, which leaves every screen vertex as it was.
Matrix4x4 BuildProjectionMatrix(float distanceFactor, float nearClip, float farClip, float scaleX, float scaleY,
                                float halfWidth, float halfHeight, bool orthographic, float orthoScale);

// Writes ScreenVertices for every vertex of every visible mesh; a vertex whose w is 0 keeps its entry.
void ProjectVertices(const Canvas& surface, int camera);

}  // namespace quarn
