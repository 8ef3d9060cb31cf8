#include "solids/school_solids.hpp"

#include <algorithm>

#include "math/matrix.hpp"
#include "math/vector3d.hpp"
#include "scene/mesh_geometry.hpp"
#include "solids/curved_solids.hpp"
#include "solids/polyhedra.hpp"
#include "solids/prism_family.hpp"

namespace quarn {
namespace {

// Welding closes a ring only where its last column lands within the weld distance of its first, and
// it merges any corners closer than that; both hold at the menu's sizes. A solid whose largest
// measure lies outside them is built at a size where they hold and then scaled to its own.
constexpr double kSmallestPlainSize = 10, kLargestPlainSize = 100, kBuildSize = 50;

// Checked solids lie well inside a float and a 16-bit count.
float F(double value) { return StoreFloat(value); }
Index I(double count) { return ToInt16(static_cast<long long>(count)); }

double LargestMeasure(const SchoolSolid& s) {
    return std::max({2 * s.Radius, 2 * s.BottomRadius, s.Height, s.Length, s.Width});
}

SchoolSolid ScaledBy(SchoolSolid s, double k) {
    for (double* size : {&s.Radius, &s.BottomRadius, &s.TopRadius, &s.Height, &s.Length, &s.Width}) *size *= k;
    return s;
}

Index BuildAtItsSize(const SchoolSolid& s) {
    switch (s.Family) {
        case SchoolFamily::Cuboid: return CreateBox(MakeVector(F(s.Length), F(s.Height), F(s.Width)));
        case SchoolFamily::Prism:
        case SchoolFamily::Cylinder: return CreatePrism(F(s.Radius), F(s.Height), I(s.Sides));
        case SchoolFamily::Pyramid:
        case SchoolFamily::Cone: return CreatePyramid(F(s.Radius), F(s.Height), I(s.Sides));
        case SchoolFamily::Frustum:
        case SchoolFamily::ConeFrustum:
            return CreateFrustum(F(s.BottomRadius), F(s.TopRadius), F(s.Height), I(s.Sides));
        case SchoolFamily::Sphere: return CreateSphere(F(s.Radius), I(s.Sides), I(s.Rings));
        case SchoolFamily::Hemisphere: return CreateHemisphere(F(s.Radius), I(s.Sides), I(s.Rings));
    }
    return 0;
}

}  // namespace

Index BuildSchoolSolid(const SchoolSolid& solid) {
    const double largest = LargestMeasure(solid);
    if (largest >= kSmallestPlainSize && largest <= kLargestPlainSize) return BuildAtItsSize(solid);
    const double k = kBuildSize / largest;
    const Index mesh = BuildAtItsSize(ScaledBy(solid, k));
    if (mesh != 0) TransformMeshVertices(mesh, ScaleMatrix(MakeVector(F(1 / k), F(1 / k), F(1 / k))));
    return mesh;
}

IdealSolid IdealSolidOf(const SchoolSolid& s) {
    const int n = int(s.Sides);
    switch (s.Family) {
        case SchoolFamily::Cuboid: return {IdealShape::Box, s.Length, s.Width, s.Height};
        case SchoolFamily::Prism: return {IdealShape::Prism, s.Radius, s.Height, 0, n};
        case SchoolFamily::Pyramid: return {IdealShape::Pyramid, s.Radius, s.Height, 0, n};
        case SchoolFamily::Frustum: return {IdealShape::Frustum, s.BottomRadius, s.TopRadius, s.Height, n};
        case SchoolFamily::Cylinder: return {IdealShape::Cylinder, s.Radius, s.Height, 0, n};
        case SchoolFamily::Cone: return {IdealShape::Cone, s.Radius, s.Height, 0, n};
        case SchoolFamily::ConeFrustum: return {IdealShape::ConeFrustum, s.BottomRadius, s.TopRadius, s.Height, n};
        case SchoolFamily::Sphere: return {IdealShape::Sphere, s.Radius, 0, 0, n};
        case SchoolFamily::Hemisphere: return {IdealShape::Hemisphere, s.Radius, 0, 0, n};
    }
    return {};
}

}  // namespace quarn
