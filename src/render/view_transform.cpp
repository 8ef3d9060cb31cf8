#include "render/view_transform.hpp"

#include "render/point_transform.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

void RebuildViewMatrix(CameraRecord& c) {
    Matrix4x4 placement = MatrixMultiply(IdentityMatrix(), RotationMatrix(kAxisZ, c.RotationZ));
    placement = MatrixMultiply(placement, RotationMatrix(kAxisX, c.RotationX));
    placement = MatrixMultiply(placement, RotationMatrix(kAxisY, c.RotationY));
    placement = MatrixMultiply(placement, TranslationMatrix(c.Position));
    c.ViewMatrix = MatrixInverse(placement);
    c.MatrixDirty = false;  // only after a successful rebuild
}

}  // namespace

void UpdateViewVertices(int camera) {
    SceneStore& s = Scene();
    CameraRecord& c = s.Cameras[camera];
    if (c.MatrixDirty) RebuildViewMatrix(c);
    const PreparedTransform view(c.ViewMatrix);
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        TransformVertexRun(s.WorldVertices, s.ViewVertices, m.FirstVertex, m.VertexCount, view);
    }
}

}  // namespace quarn
