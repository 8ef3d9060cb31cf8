#pragma once
// Frame stage 2: world space to the camera's space (x right, y up, z along the view direction).

namespace quarn {

// Rebuilds the camera's ViewMatrix when it is dirty (the inverse of its rotations and position) and
// writes ViewVertices for every vertex of every mesh.
void UpdateViewVertices(int camera);

}  // namespace quarn
