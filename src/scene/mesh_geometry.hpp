#pragma once
// Whole-mesh geometry and colour: transforming, centring, moving the pivot, bounds, world origin,
// colouring, name lookup and run membership.

#include <string>

#include "math/color.hpp"
#include "math/matrix.hpp"
#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// Replaces every vertex v of the mesh by TransformPoint(v, m); the mesh's own transform is untouched.
void TransformMeshVertices(int mesh, const Matrix4x4& m);
// Moves the vertices so that the centre of their bounding box becomes the local origin.
void CenterMesh(int mesh);
// Moves the mesh's origin to p while the geometry keeps its place in the world.
void SetMeshPivot(int mesh, const Vector3D& p);

// Component-wise bounds of the vertex run (the zero vector for an empty run).
Vector3D GetMeshMaxCorner(int mesh);
Vector3D GetMeshMinCorner(int mesh);
Vector3D GetMeshCenter(int mesh);
// Where the mesh's origin lies in the world, computed afresh up the parent chain.
Vector3D GetMeshWorldOrigin(int mesh);
// Scale, RotationZ, RotationX, RotationY, then the translation to Position.
Matrix4x4 MeshLocalMatrix(int mesh);

void SetMeshColor(int mesh, const ColorRGB16& color, float diffuse);
void SetAllMeshesColor(const ColorRGB16& color, float diffuse);

// The first mesh in slot order whose name equals name ignoring case, or 0.
Index FindMeshByName(const std::string& name);

bool VertexInMesh(int vertex, int mesh);
bool FaceInMesh(int face, int mesh);
bool FaceUsesVertex(int vertex, int face);

}  // namespace quarn
