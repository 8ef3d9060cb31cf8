#include "render/face_collection.hpp"

#include <cmath>
#include <optional>

#include "math/angles.hpp"
#include "platform/numeric.hpp"
#include "platform/reference_path.hpp"
#include "render/depth_sort.hpp"
#include "render/draw_list.hpp"
#include "render/face_geometry.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

bool InsideDepthRange(const Vector3D& screen) {
    return screen.z > 0 && screen.z < 1;
}

// Strictly inside the side planes |x| < z * tan and |y| < z * tan, the bound rounded to float.
bool InsideFieldOfView(const Vector3D& view, float tanHalfFov) {
    const float bound = StoreFloat(double(view.z) * tanHalfFov);
    return std::fabs(view.x) < bound && std::fabs(view.y) < bound;
}

// The sign of VectorCosAngle(u, n) where it is certain without normalising: both lengths well inside
// the float range, so that the checked steps cannot fault, and the cosine, computed in double, at
// least 1e-5 away from 0; the float steps of VectorCosAngle are off by less than 1e-6. Otherwise empty.
[[gnu::always_inline]] inline std::optional<bool> CertainlyFacing(const Vector3D& u, const Vector3D& n) {
    const double uu = double(u.x) * u.x + double(u.y) * u.y + double(u.z) * u.z;
    const double nn = double(n.x) * n.x + double(n.y) * n.y + double(n.z) * n.z;
    if (!(uu > 1e-30 && uu < 1e30 && nn > 1e-30 && nn < 1e30)) return std::nullopt;
    const double dot = double(u.x) * n.x + double(u.y) * n.y + double(u.z) * n.z;
    if (!(dot * dot > 1e-10 * uu * nn)) return std::nullopt;
    return dot > 0;
}

// VectorCosAngle(u, n) > 0.
template <class Arith>
[[gnu::always_inline]] inline bool Facing(Arith& arith, const Vector3D& u, const Vector3D& n) {
    if constexpr (Arith::kDefers) {
        if (const std::optional<bool> certain = CertainlyFacing(u, n)) return *certain;
    }
    return VectorCosAngle(arith, u, n) > 0;
}

struct FacingTest {
    Vector3D cameraPosition;
    Vector3D orthoReference;  // from the scene toward an orbiting camera
    bool orthographic;
    bool twoSided;

    // Whether the face is drawn; its normal and centroid are left in geometry.
    template <class Arith>
    [[gnu::always_inline]] bool Judge(Arith& arith, const FaceCorners& corners,
                                      FaceGeometry& geometry) const {
        geometry.normal = FaceNormal(arith, corners);
        geometry.centroid = FaceCentroid(arith, corners);
        return Facing(arith, VectorSubtract(arith, cameraPosition, geometry.centroid), geometry.normal) ||
               (orthographic && Facing(arith, orthoReference, geometry.normal));
    }

    // Whether face number index, record face, is drawn. The fast path keeps the normal and centroid of
    // a drawn face for the frame's shading.
    bool Keeps(const SceneStore& s, int index, const FaceRecord& face, bool reference) const {
        if (twoSided) return true;
        const FaceCorners corners = WorldCorners(face, s);
        FaceGeometry geometry;
        CheckedArithmetic checked;
        if (reference) return Judge(checked, corners, geometry);
        DeferredArithmetic deferred;
        bool keep = Judge(deferred, corners, geometry);
        if (deferred.Failed()) keep = Judge(checked, corners, geometry);  // raises the fault
        if (keep) KeepFaceGeometry(index, geometry);
        return keep;
    }
};

}  // namespace

void CollectVisibleFaces(int camera) {
    SceneStore& s = Scene();
    const CameraRecord& c = s.Cameras[camera];
    const Vector3D viewDirection = DirectionFromAngles(c.Rotation());
    const FacingTest facing{c.Position, VectorSubtract(c.Position, viewDirection), c.Orthographic,
                            c.TwoSided};

    const bool reference = ReferencePathInUse();
    int count = 0;
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        if (!m.Visible) continue;
        // Nothing in the loop changes the mesh record, so its last face is found once.
        const int lastFace = RangeLast(m.FirstFace, m.FaceCount);
        for (int f = m.FirstFace; f <= lastFace; ++f) {
            const FaceRecord& face = s.Faces[f];
            const Vector3D& a = s.ScreenVertices[face.VertexA];
            const Vector3D& b = s.ScreenVertices[face.VertexB];
            const Vector3D& cc = s.ScreenVertices[face.VertexC];
            if (!InsideDepthRange(a) || !InsideDepthRange(b) || !InsideDepthRange(cc)) continue;
            if (!c.Orthographic && (!InsideFieldOfView(s.ViewVertices[face.VertexA], c.TanHalfFov) ||
                                    !InsideFieldOfView(s.ViewVertices[face.VertexB], c.TanHalfFov) ||
                                    !InsideFieldOfView(s.ViewVertices[face.VertexC], c.TanHalfFov)))
                continue;
            if (!facing.Keeps(s, f, face, reference)) continue;
            s.FaceDepths[count] = StoreFloat(-(double(b.z) + a.z + cc.z));
            s.DrawList[count] = static_cast<Index>(f);
            ++count;
        }
    }
    ClearDrawListFrom(count);
    SortFaces(s.FaceDepths, s.DrawList, 0, count - 1);
}

}  // namespace quarn
