#pragma once
// The name a teacher gives a section's shape: the most special one that holds, within a tolerance
// suited to float meshes (an equilateral triangle before an isosceles one, a square before a
// rectangle or a rhombus), in Chinese and English, with its id for machine-readable output. The
// curved shapes are those of exact solids' sections; an ellipse segment is an ellipse cut by a base.

#include <string>
#include <string_view>

#include "geometry/plane_cut.hpp"

namespace quarn {

enum class SectionShapeId {
    EquilateralTriangle,
    IsoscelesTriangle,
    RightTriangle,
    ScaleneTriangle,
    Square,
    Rectangle,
    Rhombus,
    Parallelogram,
    IsoscelesTrapezoid,
    Trapezoid,
    Kite,
    Quadrilateral,
    Pentagon,
    RegularHexagon,
    Hexagon,
    Polygon,
    Circle,
    Ellipse,
    EllipseSegment,
    ParabolaSegment,
    HyperbolaSegment,
};

struct SectionShape {
    SectionShapeId Shape = SectionShapeId::Polygon;
    std::string_view Id;       // "regular-hexagon"
    std::string_view Chinese;  // "正六边形"; an isosceles right triangle is "等腰直角三角形"
    std::string_view English;  // "regular hexagon"
};

SectionShape ShapeOf(SectionShapeId shape);
// The shape of one polygon of a section.
SectionShape NamePolygon(const SectionPolygon& polygon);
// The shape of a section of one polygon; several polygons, or one with holes, are a polygon.
SectionShape NameSection(const Section& section);

// A measure as a worksheet writes it when it is a simple multiple of a root: "1200√3", "800√2",
// "40√6/3", "1600"; empty when it is none.
std::string SurdText(double value);

}  // namespace quarn
