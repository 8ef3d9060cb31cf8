#include "render/projection.hpp"

#include "platform/canvas.hpp"
#include "platform/numeric.hpp"
#include "render/frame_messages.hpp"
#include "render/point_transform.hpp"
#include "scene/engine_error.hpp"
#include "scene/scene_store.hpp"

namespace quarn {

Matrix4x4 BuildProjectionMatrix(float distanceFactor, float nearClip, float farClip, float scaleX,
                                float scaleY, float halfWidth, float halfHeight, bool orthographic,
                                float orthoScale) {
    const double d = distanceFactor, n = nearClip, f = farClip;
    if (!(nearClip > 0) || nearClip >= farClip) {
        ShowFrameEngineError(kBadCameraSettings);
        return ZeroMatrix();
    }
    if (orthographic) {
        const double k = orthoScale;
        return MatrixFromRows(MakeRow(k, 0, 0, 0), MakeRow(0, -k, 0, 0),
                              MakeRow(0, 0, CheckedDivide(1, f - n), 0),
                              MakeRow(halfWidth, halfHeight, CheckedDivide(-n, f - n), 1));
    }
    const double t = StoreFloat(CheckedDivide(d, n));
    return MatrixFromRows(MakeRow(scaleX, 0, 0, 0), MakeRow(0, -double(scaleY), 0, 0),
                          MakeRow(t * halfWidth, t * halfHeight, CheckedDivide(f * d, n * (f - n)), t),
                          MakeRow(0, 0, CheckedDivide(-f * d, f - n), 0));
}

void ProjectVertices(const Canvas& surface, int camera) {
    SceneStore& s = Scene();
    const CameraRecord& c = s.Cameras[camera];
    const float halfWidth = StoreFloat(surface.Width() / 2.0);
    const float halfHeight = StoreFloat(surface.Height() / 2.0);
    const float scale = halfWidth > halfHeight ? halfWidth : halfHeight;
    const float distanceFactor = StoreFloat(double(c.NearClip) * c.TanHalfFov);
    const PreparedTransform projection(BuildProjectionMatrix(distanceFactor, c.NearClip, c.FarClip, scale,
                                                             scale, halfWidth, halfHeight, c.Orthographic,
                                                             c.OrthoScale));
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        if (!m.Visible || m.VertexCount < 1) continue;
        const int first = m.FirstVertex;
        const int last = RangeLast(first, m.VertexCount);
        const Vector3D* in = &s.ViewVertices[first];
        Vector3D* out = &s.ScreenVertices[first];
        (void)s.ViewVertices[last];  // both ends checked: the run lies inside the tables
        for (int k = 0; k <= last - first; ++k) {
            const Vector4D h = projection.Apply4(in[k]);
            if (h.w == 0) continue;
            // w is not 0, so 1 / w is finite in double; only its rounding to float can overflow.
            const float r = StoreFloat(1.0 / h.w);
            out[k] = {StoreFloat(double(h.x) * r), StoreFloat(double(h.y) * r), StoreFloat(double(h.z) * r)};
        }
    }
}

}  // namespace quarn
