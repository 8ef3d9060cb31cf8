#include "render/face_collection.hpp"

#include <cmath>

#include "math/angles.hpp"
#include "platform/numeric.hpp"
#include "render/depth_sort.hpp"
#include "render/draw_list.hpp"
#include "render/lighting.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

bool InsideDepthRange(const Vector3D& screen) { return screen.z > 0 && screen.z < 1; }

// Strictly inside the side planes |x| < z * tan and |y| < z * tan, the bound rounded to float.
bool InsideFieldOfView(const Vector3D& view, float tanHalfFov) {
    const float bound = StoreFloat(double(view.z) * tanHalfFov);
    return std::fabs(view.x) < bound && std::fabs(view.y) < bound;
}

struct FacingTest {
    Vector3D cameraPosition;
    Vector3D orthoReference;  // from the scene toward an orbiting camera
    bool orthographic;
    bool twoSided;

    bool Keeps(int face) const {
        if (twoSided) return true;
        const Vector3D normal = FaceNormal(face);
        if (VectorCosAngle(VectorSubtract(cameraPosition, FaceCentroid(face)), normal) > 0) return true;
        return orthographic && VectorCosAngle(orthoReference, normal) > 0;
    }
};

}  // namespace

void CollectVisibleFaces(int camera) {
    SceneStore& s = Scene();
    const CameraRecord& c = s.Cameras[camera];
    const Vector3D viewDirection = DirectionFromAngles(c.Rotation());
    const FacingTest facing{c.Position, VectorSubtract(c.Position, viewDirection), c.Orthographic, c.TwoSided};

    int count = 0;
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        if (!m.Visible) continue;
        for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
            const FaceRecord& face = s.Faces[f];
            const Vector3D& a = s.ScreenVertices[face.VertexA];
            const Vector3D& b = s.ScreenVertices[face.VertexB];
            const Vector3D& cc = s.ScreenVertices[face.VertexC];
            if (!InsideDepthRange(a) || !InsideDepthRange(b) || !InsideDepthRange(cc)) continue;
            if (!c.Orthographic &&
                (!InsideFieldOfView(s.ViewVertices[face.VertexA], c.TanHalfFov) ||
                 !InsideFieldOfView(s.ViewVertices[face.VertexB], c.TanHalfFov) ||
                 !InsideFieldOfView(s.ViewVertices[face.VertexC], c.TanHalfFov)))
                continue;
            if (!facing.Keeps(f)) continue;
            s.FaceDepths[count] = StoreFloat(-(double(b.z) + a.z + cc.z));
            s.DrawList[count] = static_cast<Index>(f);
            ++count;
        }
    }
    ClearDrawListFrom(count);
    SortFaces(s.FaceDepths, s.DrawList, 0, count - 1);
}

}  // namespace quarn
