#pragma once
// The section of the exact solid a faceted mesh stands for: a sphere's circle, a cone's circle,
// ellipse, parabola or hyperbola segment or the triangle through its apex, a cylinder's circle,
// ellipse, ellipse segment or rectangle, and a cone frustum's like the cone's, with the exact area
// beside the faceted section's.
//
// The round solids stand upright: their axis is the world's y axis through the middle of their base.

#include <optional>
#include <string>

#include "geometry/ideal_solids.hpp"
#include "geometry/section_plane.hpp"
#include "geometry/section_shape.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct PlacedSolid {
    IdealSolid Solid;
    Point3 Base;  // the middle of the base; of a sphere its centre
};

// Where the exact solid lies, read from the mesh that stands for it: nothing for a solid without
// exact sections here (polyhedra have their own faces), or when the mesh is not of the solid's size.
std::optional<PlacedSolid> PlaceIdealSolid(const IdealSolid& solid, const SolidMesh& mesh);

struct ExactCut {
    SectionShape Shape;  // circle, ellipse, ellipse-segment, parabola- or hyperbola-segment, an isosceles
                         // triangle or trapezoid, a rectangle
    Point3 Centre;       // of a circle or an ellipse
    double Radius = 0;   // of a circle
    double SemiMajor = 0, SemiMinor = 0;  // of an ellipse, and of the ellipse an ellipse segment is cut from
    double Width = 0, Height = 0;  // of a rectangle; of a triangle or trapezoid its (lower) base and height
    double Area = 0;
};

// Nothing when the plane misses the exact solid or only touches it.
std::optional<ExactCut> ExactSection(const PlacedSolid& solid, const SectionPlane& plane);

}  // namespace quarn
