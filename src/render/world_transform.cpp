#include "render/world_transform.hpp"

#include "render/point_transform.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// I * S * Rz * Rx * Ry * T, multiplied step by step from the left.
Matrix4x4 BuildLocalMatrix(const MeshRecord& m) {
    Matrix4x4 local = MatrixMultiply(IdentityMatrix(), ScaleMatrix(m.Scale));
    local = MatrixMultiply(local, RotationMatrix(kAxisZ, m.RotationZ));
    local = MatrixMultiply(local, RotationMatrix(kAxisX, m.RotationX));
    local = MatrixMultiply(local, RotationMatrix(kAxisY, m.RotationY));
    return MatrixMultiply(local, TranslationMatrix(m.Position));
}

void RebuildWorldMatrix(SceneStore& s, int mesh) {
    MeshRecord& m = s.Meshes[mesh];
    Matrix4x4 world = BuildLocalMatrix(m);
    // Slot 0 stands for "no parent" and keeps a zero matrix.
    const Matrix4x4& parent = s.Meshes[m.Parent].WorldMatrix;
    if (!MatrixEquals(parent, ZeroMatrix())) world = MatrixMultiply(world, parent);
    // The flag is cleared only once the matrix is built, so a fault leaves the mesh dirty for the
    // next frame instead of keeping a stale matrix for good.
    m.WorldMatrix = world;
    m.MatrixDirty = false;
}

}  // namespace

void UpdateWorldVertices() {
    SceneStore& s = Scene();
    const int first = s.MeshSlots.First;
    const int last = RangeLast(s.MeshSlots);
    for (int i = first; i <= last; ++i) {
        MeshRecord& m = s.Meshes[i];
        if (s.Meshes[m.Parent].MatrixDirty) m.MatrixDirty = true;
    }
    for (int i = first; i <= last; ++i) {
        if (s.Meshes[i].MatrixDirty) RebuildWorldMatrix(s, i);
        const MeshRecord& m = s.Meshes[i];
        TransformVertexRun(s.Vertices, s.WorldVertices, m.FirstVertex, m.VertexCount,
                           PreparedTransform(m.WorldMatrix));
    }
}

}  // namespace quarn
