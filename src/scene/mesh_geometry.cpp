#include "scene/mesh_geometry.hpp"

#include <algorithm>

#include "scene/scene_store.hpp"

namespace quarn {
namespace {

template <class Pick>
Vector3D RunBound(int mesh, Pick pick) {
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    if (m.VertexCount <= 0) return {};
    Vector3D bound = s.Vertices[m.FirstVertex];
    for (int v = m.FirstVertex + 1; v <= RangeLast(m.FirstVertex, m.VertexCount); ++v) {
        const Vector3D& p = s.Vertices[v];
        bound = {pick(bound.x, p.x), pick(bound.y, p.y), pick(bound.z, p.z)};
    }
    return bound;
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

void TransformMeshVertices(int mesh, const Matrix4x4& matrix) {
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (int v = m.FirstVertex; v <= RangeLast(m.FirstVertex, m.VertexCount); ++v)
        s.Vertices[v] = TransformPoint(s.Vertices[v], matrix);
}

void CenterMesh(int mesh) {
    const Vector3D c = GetMeshCenter(mesh);
    TransformMeshVertices(mesh, TranslationMatrix(VectorScale(c, -1)));
}

void SetMeshPivot(int mesh, const Vector3D& p) {
    MeshRecord& m = Scene().Meshes[mesh];
    TransformMeshVertices(mesh, TranslationMatrix(VectorSubtract(m.Position, p)));
    m.Position = p;
}

Vector3D GetMeshMaxCorner(int mesh) { return RunBound(mesh, [](float a, float b) { return std::max(a, b); }); }

Vector3D GetMeshMinCorner(int mesh) { return RunBound(mesh, [](float a, float b) { return std::min(a, b); }); }

Vector3D GetMeshCenter(int mesh) {
    return VectorScale(VectorAdd(GetMeshMaxCorner(mesh), GetMeshMinCorner(mesh)), 0.5f);
}

Matrix4x4 MeshLocalMatrix(int mesh) {
    const MeshRecord& m = Scene().Meshes[mesh];
    Matrix4x4 local = MatrixMultiply(ScaleMatrix(m.Scale), RotationMatrix(kAxisZ, m.RotationZ));
    local = MatrixMultiply(local, RotationMatrix(kAxisX, m.RotationX));
    local = MatrixMultiply(local, RotationMatrix(kAxisY, m.RotationY));
    return MatrixMultiply(local, TranslationMatrix(m.Position));
}

Vector3D GetMeshWorldOrigin(int mesh) {
    Vector3D p{};
    int m = mesh;
    // A parent chain is at most as long as the mesh table; the bound also stops a corrupt cycle.
    for (int step = 0; step <= kTableCapacity; ++step) {
        p = TransformPoint(p, MeshLocalMatrix(m));
        m = Scene().Meshes[m].Parent;
        if (m == 0) break;
    }
    return p;
}

void SetMeshColor(int mesh, const ColorRGB16& color, float diffuse) {
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        s.Faces[f].Color = color;
        s.Faces[f].Diffuse = diffuse;
    }
}

void SetAllMeshesColor(const ColorRGB16& color, float diffuse) {
    const SceneStore& s = Scene();
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) SetMeshColor(i, color, diffuse);
}

Index FindMeshByName(const std::string& name) {
    const SceneStore& s = Scene();
    const std::string wanted = UpperCase(name);
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i)
        if (UpperCase(s.Meshes[i].Name) == wanted) return static_cast<Index>(i);
    return 0;
}

bool VertexInMesh(int vertex, int mesh) {
    const MeshRecord& m = Scene().Meshes[mesh];
    return vertex >= m.FirstVertex && vertex <= RangeLast(m.FirstVertex, m.VertexCount);
}

bool FaceInMesh(int face, int mesh) {
    const MeshRecord& m = Scene().Meshes[mesh];
    return face >= m.FirstFace && face <= RangeLast(m.FirstFace, m.FaceCount);
}

bool FaceUsesVertex(int vertex, int face) {
    const FaceRecord& f = Scene().Faces[face];
    return f.VertexA == vertex || f.VertexB == vertex || f.VertexC == vertex;
}

}  // namespace quarn
