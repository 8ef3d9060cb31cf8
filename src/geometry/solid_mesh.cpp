#include "geometry/solid_mesh.hpp"

#include <algorithm>

#include "scene/scene.hpp"

namespace quarn {
namespace {

Matrix4x4 WorldMatrixOf(int mesh) {
    const SceneStore& s = Scene();
    Matrix4x4 world = MeshLocalMatrix(mesh);
    int parent = s.Meshes[mesh].Parent;
    for (int hops = 0; parent != 0 && MeshExists(parent) && hops < s.MeshSlots.Count; ++hops) {
        world = MatrixMultiply(world, MeshLocalMatrix(parent));
        parent = s.Meshes[parent].Parent;
    }
    return world;
}

}  // namespace

SolidMesh ReadSceneMesh(int mesh) {
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    const Matrix4x4 world = WorldMatrixOf(mesh);
    SolidMesh solid;
    solid.Points.reserve(std::max<int>(m.VertexCount, 0));
    for (int v = m.FirstVertex; v <= RangeLast(m.FirstVertex, m.VertexCount); ++v) {
        const Vector3D& p = s.Vertices[v];
        const Vector4D* r = world.row;  // (p, 1) * M in double; the stored rows are floats
        const double x = p.x, y = p.y, z = p.z;
        solid.Points.push_back({x * r[0].x + y * r[1].x + z * r[2].x + r[3].x,
                                x * r[0].y + y * r[1].y + z * r[2].y + r[3].y,
                                x * r[0].z + y * r[1].z + z * r[2].z + r[3].z});
    }
    solid.Triangles.reserve(std::max<int>(m.FaceCount, 0));
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = s.Faces[f];
        std::array<int, 3> corners{};
        int k = 0;
        for (const int v : {face.VertexA, face.VertexB, face.VertexC})
            corners[k++] = v >= m.FirstVertex && v - m.FirstVertex < m.VertexCount ? v - m.FirstVertex : -1;
        solid.Triangles.push_back(corners);
    }
    return solid;
}

std::vector<SolidMesh> ReadVisibleSceneMeshes() {
    const SceneStore& s = Scene();
    std::vector<SolidMesh> meshes;
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i)
        if (s.Meshes[i].Visible) meshes.push_back(ReadSceneMesh(i));
    return meshes;
}

}  // namespace quarn
