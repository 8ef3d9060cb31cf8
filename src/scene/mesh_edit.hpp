#pragma once
// Editing a mesh's runs in place: deleting faces, removing or replacing vertices, and cleaning.

#include "platform/numeric.hpp"

namespace quarn {

// Two vertices of one mesh closer than this are the same vertex.
inline constexpr float kWeldDistance = 0.0001f;

// Removes face f from the mesh whose run holds it; later faces of the run move down one slot.
void DeleteFace(int face);

// Removes vertex v from the mesh whose run holds it. Faces using v get r instead, or are deleted when
// r is 0; every corner above v moves down with its vertex.
void RemoveVertex(int vertex, int replacement);

// Welds coincident vertices, then drops unreferenced vertices, faces with a corner outside the mesh,
// faces with two equal corners and faces with a corner 0, in that order. The runs do not move.
void CleanMesh(int mesh);

}  // namespace quarn
