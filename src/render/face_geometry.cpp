#include "render/face_geometry.hpp"

#include <algorithm>

namespace quarn {
namespace {

detail::KeptFaceGeometry& Record() {
    return detail::keptFaceGeometry;
}

CheckedArithmetic checked;

}  // namespace

Vector3D FaceNormal(int face) {
    return FaceNormal(checked, WorldCorners(Scene().Faces[face]));
}

Vector3D FaceCentroid(int face) {
    return FaceCentroid(checked, WorldCorners(Scene().Faces[face]));
}

FaceGeometryScope::FaceGeometryScope() {
    detail::KeptFaceGeometry& r = Record();
    if (r.stamp.empty()) {
        r.geometry.resize(kTableCapacity + 1);
        r.stamp.resize(kTableCapacity + 1);
    }
    if (++r.frame == 0) {  // wrapped: forget every old stamp
        std::fill(r.stamp.begin(), r.stamp.end(), 0u);
        r.frame = 1;
    }
    r.open = true;
}

FaceGeometryScope::~FaceGeometryScope() {
    Record().open = false;
}

FaceGeometry ComputeFaceGeometry(int face) {
    const FaceCorners corners = WorldCorners(Scene().Faces[face]);  // checks the index
    return ComputeDeferred([&](auto& arith) {
        const Vector3D normal = FaceNormal(arith, corners);
        return FaceGeometry{normal, FaceCentroid(arith, corners)};
    });
}

}  // namespace quarn
