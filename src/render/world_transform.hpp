#pragma once
// Frame stage 1: mesh-local vertices to world space.

namespace quarn {

// Marks the children of dirty meshes dirty, rebuilds WorldMatrix of every dirty mesh (its own
// scale, rotations and position, then its parent's world matrix) and writes WorldVertices for every
// vertex of every mesh. Parents must sit in lower mesh slots than their children to be current.
void UpdateWorldVertices();

}  // namespace quarn
