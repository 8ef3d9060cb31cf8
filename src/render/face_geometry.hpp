#pragma once
// The world-space geometry of a face that culling and shading both need, and the frame's record of it,
// so that a face's normal and centroid are computed once per frame.

#include <cstdint>
#include <vector>

#include "math/vector3d.hpp"
#include "scene/scene_store.hpp"

namespace quarn {

struct FaceCorners {
    const Vector3D& a;
    const Vector3D& b;
    const Vector3D& c;
};

// The face's three corners in the store's WorldVertices, each index checked.
inline FaceCorners WorldCorners(const FaceRecord& f, const SceneStore& s = Scene()) {
    return {s.WorldVertices[f.VertexA], s.WorldVertices[f.VertexB], s.WorldVertices[f.VertexC]};
}

// (B - A) x (C - A), unnormalised (twice the face's area long); it points to the face's front.
template <class Arith>
[[gnu::always_inline]] inline Vector3D FaceNormal(Arith& arith, const FaceCorners& p) {
    const Vector3D ab = VectorSubtract(arith, p.b, p.a);
    return VectorCross(arith, ab, VectorSubtract(arith, p.c, p.a));
}

// Mean of the three corners.
template <class Arith>
[[gnu::always_inline]] inline Vector3D FaceCentroid(Arith& arith, const FaceCorners& p) {
    return MakeVector(arith, (double(p.b.x) + p.a.x + p.c.x) / 3, (double(p.b.y) + p.a.y + p.c.y) / 3,
                      (double(p.b.z) + p.a.z + p.c.z) / 3);
}

// The face's normal and centroid in WorldVertices, through the checked helpers.
Vector3D FaceNormal(int face);
Vector3D FaceCentroid(int face);

struct FaceGeometry {
    Vector3D normal;
    Vector3D centroid;
};

namespace detail {
// The geometry kept for each face in the current frame.
struct KeptFaceGeometry {
    std::vector<FaceGeometry> geometry;
    std::vector<std::uint32_t> stamp;  // the frame number that kept each face's entry
    std::uint32_t frame = 0;
    bool open = false;
};
inline KeptFaceGeometry keptFaceGeometry;
}  // namespace detail

// While one of these lives (one frame), faces whose geometry was kept are not computed again.
// Scopes do not nest: a frame opens one.
class FaceGeometryScope {
  public:
    FaceGeometryScope();
    ~FaceGeometryScope();
    FaceGeometryScope(const FaceGeometryScope&) = delete;
    FaceGeometryScope& operator=(const FaceGeometryScope&) = delete;
};

// Records the face's geometry for the rest of the frame; nothing outside a scope.
inline void KeepFaceGeometry(int face, const FaceGeometry& geometry) {
    detail::KeptFaceGeometry& kept = detail::keptFaceGeometry;
    if (!kept.open || face < 0 || face > kTableCapacity) return;
    kept.geometry[static_cast<std::size_t>(face)] = geometry;
    kept.stamp[static_cast<std::size_t>(face)] = kept.frame;
}

// The face's normal and centroid computed with deferred checks that fall back to the checked helpers
// (which raise the fault) when a step fails; the index is checked.
FaceGeometry ComputeFaceGeometry(int face);

// The face's normal and centroid: as kept this frame, or ComputeFaceGeometry.
inline FaceGeometry LookUpFaceGeometry(int face) {
    const detail::KeptFaceGeometry& kept = detail::keptFaceGeometry;
    if (kept.open && face >= 0 && face <= kTableCapacity &&
        kept.stamp[static_cast<std::size_t>(face)] == kept.frame)
        return kept.geometry[static_cast<std::size_t>(face)];
    return ComputeFaceGeometry(face);
}

}  // namespace quarn
