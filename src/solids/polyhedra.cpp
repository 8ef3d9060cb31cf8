#include "solids/polyhedra.hpp"

#include <array>

#include "math/matrix.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "solids/grid_builder.hpp"

namespace quarn {
namespace {

using Corners = std::array<int, 3>;

// Fills a mesh created with exactly these counts; corners are relative to its first vertex.
template <std::size_t V, std::size_t F>
Index CreateFixedMesh(const std::array<Vector3D, V>& vertices, const std::array<Corners, F>& faces) {
    const Index mesh = CreateMesh(static_cast<int>(V), static_cast<int>(F));
    if (mesh == 0) return 0;
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (std::size_t k = 0; k < V; ++k) s.Vertices[m.FirstVertex + static_cast<int>(k)] = vertices[k];
    for (std::size_t k = 0; k < F; ++k) {
        FaceRecord& face = s.Faces[m.FirstFace + static_cast<int>(k)];
        face.VertexA = CheckedAdd16(m.FirstVertex, faces[k][0]);
        face.VertexB = CheckedAdd16(m.FirstVertex, faces[k][1]);
        face.VertexC = CheckedAdd16(m.FirstVertex, faces[k][2]);
    }
    return mesh;
}

}  // namespace

Index CreateBox(const Vector3D& size) {
    const float x = size.x, y = size.y, z = size.z;
    const std::array<Vector3D, 8> vertices{{
        {0, 0, 0}, {x, 0, 0}, {x, 0, z}, {0, 0, z}, {0, y, 0}, {x, y, 0}, {x, y, z}, {0, y, z},
    }};
    const std::array<Corners, 12> faces{{
        {0, 4, 5}, {0, 5, 1},  // z = 0
        {1, 5, 6}, {1, 6, 2},  // x = size.x
        {2, 6, 7}, {2, 7, 3},  // z = size.z
        {3, 7, 4}, {3, 4, 0},  // x = 0
        {3, 0, 1}, {3, 1, 2},  // y = 0
        {4, 7, 6}, {4, 6, 5},  // y = size.y
    }};
    return CreateFixedMesh(vertices, faces);
}

Index CreateTetrahedron(float radius) {
    // Alternate corners of the unit cube, centred and then scaled out to the radius.
    const std::array<Vector3D, 4> vertices{{{0, 0, 0}, {1, 0, 1}, {1, 1, 0}, {0, 1, 1}}};
    const std::array<Corners, 4> faces{{{1, 2, 3}, {1, 0, 2}, {2, 0, 3}, {3, 0, 1}}};
    const Index mesh = CreateFixedMesh(vertices, faces);
    if (mesh == 0) return 0;
    try {
        CenterMesh(mesh);
        const Vector3D corner = Scene().Vertices[Scene().Meshes[mesh].FirstVertex];
        const float s = StoreFloat(CheckedDivide(radius, VectorLength(corner)));
        TransformMeshVertices(mesh, ScaleMatrix(VectorScale(OnesVector(), s)));
    } catch (...) {
        DeleteMesh(mesh);  // an overflowing radius must not leave a half-scaled solid behind
        throw;
    }
    return mesh;
}

Index CreateGridPlane(float width, float depth, Index columns, Index rows, std::int16_t twoSided) {
    const float dx = StoreFloat(CheckedDivide(width, columns));
    const float dz = StoreFloat(CheckedDivide(depth, rows));
    const auto vertexAt = [dx, dz](int r, int c) {
        return MakeVector(double(static_cast<float>(c)) * dx, 0, double(static_cast<float>(r)) * dz);
    };
    return BuildGridSolid(rows, columns, vertexAt, twoSided == -1);
}

}  // namespace quarn
