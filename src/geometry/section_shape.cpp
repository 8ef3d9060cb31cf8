#include "geometry/section_shape.hpp"

#include <array>
#include <cmath>

namespace quarn {
namespace {

// Two lengths are equal within this share of the longer; an angle is right within this many degrees;
// two sides are parallel when the sine between them is below this. Float corners put lengths about
// 1e-7 apart; the facets of a faceted solid differ by far more.
constexpr double kSameLength = 1e-5;
constexpr double kRightAngle = 1e-3;
constexpr double kParallelSine = 1e-5;

constexpr std::array<SectionShape, 21> kShapes{{
    {SectionShapeId::EquilateralTriangle, "equilateral-triangle", "正三角形", "equilateral triangle"},
    {SectionShapeId::IsoscelesTriangle, "isosceles-triangle", "等腰三角形", "isosceles triangle"},
    {SectionShapeId::RightTriangle, "right-triangle", "直角三角形", "right triangle"},
    {SectionShapeId::ScaleneTriangle, "scalene-triangle", "不等边三角形", "scalene triangle"},
    {SectionShapeId::Square, "square", "正方形", "square"},
    {SectionShapeId::Rectangle, "rectangle", "矩形", "rectangle"},
    {SectionShapeId::Rhombus, "rhombus", "菱形", "rhombus"},
    {SectionShapeId::Parallelogram, "parallelogram", "平行四边形", "parallelogram"},
    {SectionShapeId::IsoscelesTrapezoid, "isosceles-trapezoid", "等腰梯形", "isosceles trapezoid"},
    {SectionShapeId::Trapezoid, "trapezoid", "梯形", "trapezoid"},
    {SectionShapeId::Kite, "kite", "筝形", "kite"},
    {SectionShapeId::Quadrilateral, "quadrilateral", "四边形", "quadrilateral"},
    {SectionShapeId::Pentagon, "pentagon", "五边形", "pentagon"},
    {SectionShapeId::RegularHexagon, "regular-hexagon", "正六边形", "regular hexagon"},
    {SectionShapeId::Hexagon, "hexagon", "六边形", "hexagon"},
    {SectionShapeId::Polygon, "polygon", "多边形", "polygon"},
    {SectionShapeId::Circle, "circle", "圆", "circle"},
    {SectionShapeId::Ellipse, "ellipse", "椭圆", "ellipse"},
    {SectionShapeId::EllipseSegment, "ellipse-segment", "椭圆弓形", "ellipse segment"},
    {SectionShapeId::ParabolaSegment, "parabola-segment", "抛物线弓形", "parabola segment"},
    {SectionShapeId::HyperbolaSegment, "hyperbola-segment", "双曲线弓形", "hyperbola segment"},
}};

bool SameLength(double a, double b) {
    return std::fabs(a - b) <= kSameLength * std::fmax(a, b);
}

bool IsRight(double degrees) {
    return std::fabs(degrees - 90) <= kRightAngle;
}

bool Parallel(const SectionPolygon& p, int a, int b) {
    const std::size_t n = p.Points.size();
    const Point3 da = p.Points[(a + 1) % n] - p.Points[a], db = p.Points[(b + 1) % n] - p.Points[b];
    return LengthOf(CrossProduct(da, db)) <= kParallelSine * LengthOf(da) * LengthOf(db);
}

bool Convex(const SectionPolygon& p) {
    for (const double angle : p.Angles)
        if (!(angle < 180)) return false;
    return true;
}

SectionShape NameTriangle(const SectionPolygon& p) {
    const auto& s = p.Sides;
    const bool ab = SameLength(s[0], s[1]), bc = SameLength(s[1], s[2]), ca = SameLength(s[2], s[0]);
    bool right = false;
    for (const double angle : p.Angles) right |= IsRight(angle);
    if (ab && bc) return ShapeOf(SectionShapeId::EquilateralTriangle);
    if (ab || bc || ca) {
        if (right)
            return {SectionShapeId::IsoscelesTriangle, "isosceles-triangle", "等腰直角三角形",
                    "isosceles right triangle"};
        return ShapeOf(SectionShapeId::IsoscelesTriangle);
    }
    return ShapeOf(right ? SectionShapeId::RightTriangle : SectionShapeId::ScaleneTriangle);
}

SectionShape NameQuadrilateral(const SectionPolygon& p) {
    if (!Convex(p)) return ShapeOf(SectionShapeId::Quadrilateral);
    const auto& s = p.Sides;
    const bool allSides = SameLength(s[0], s[1]) && SameLength(s[1], s[2]) && SameLength(s[2], s[3]);
    const bool rightAngles = IsRight(p.Angles[0]) && IsRight(p.Angles[1]) && IsRight(p.Angles[2]);
    const bool firstPair = Parallel(p, 0, 2), secondPair = Parallel(p, 1, 3);
    if (allSides && rightAngles) return ShapeOf(SectionShapeId::Square);
    if (rightAngles) return ShapeOf(SectionShapeId::Rectangle);
    if (allSides) return ShapeOf(SectionShapeId::Rhombus);
    if (firstPair && secondPair) return ShapeOf(SectionShapeId::Parallelogram);
    if (firstPair || secondPair) {
        // The legs are the two sides that are not parallel.
        const bool equalLegs = firstPair ? SameLength(s[1], s[3]) : SameLength(s[0], s[2]);
        return ShapeOf(equalLegs ? SectionShapeId::IsoscelesTrapezoid : SectionShapeId::Trapezoid);
    }
    if ((SameLength(s[0], s[1]) && SameLength(s[2], s[3])) ||
        (SameLength(s[1], s[2]) && SameLength(s[3], s[0])))
        return ShapeOf(SectionShapeId::Kite);
    return ShapeOf(SectionShapeId::Quadrilateral);
}

SectionShape NameHexagon(const SectionPolygon& p) {
    bool regular = Convex(p);
    for (int k = 0; k < 6 && regular; ++k)
        regular = SameLength(p.Sides[k], p.Sides[0]) && std::fabs(p.Angles[k] - 120) <= kRightAngle;
    return ShapeOf(regular ? SectionShapeId::RegularHexagon : SectionShapeId::Hexagon);
}

}  // namespace

SectionShape ShapeOf(SectionShapeId shape) {
    return kShapes[std::size_t(shape)];
}

SectionShape NamePolygon(const SectionPolygon& polygon) {
    switch (polygon.Points.size()) {
        case 3:
            return NameTriangle(polygon);
        case 4:
            return NameQuadrilateral(polygon);
        case 5:
            return ShapeOf(SectionShapeId::Pentagon);
        case 6:
            return NameHexagon(polygon);
        default:
            return ShapeOf(SectionShapeId::Polygon);
    }
}

SectionShape NameSection(const Section& section) {
    if (section.Polygons.size() != 1) return ShapeOf(SectionShapeId::Polygon);
    return NamePolygon(section.Polygons[0]);
}

std::string SurdText(double value) {
    // A measure computed from whole-numbered corners is a surd to the last bits; one from float
    // corners of a rounded solid is not one at all, and must not pass for one.
    constexpr double kExact = 1e-9;
    constexpr std::array<int, 11> kRoots{1, 2, 3, 5, 6, 7, 10, 11, 13, 14, 15};
    if (!std::isfinite(value) || value <= 0 || value > 1e12) return {};
    for (const int root : kRoots)
        for (int below = 1; below <= 6; ++below) {
            const double above = value / std::sqrt(double(root)) * below;
            const double whole = std::round(above);
            if (whole < 1 || std::fabs(above - whole) > kExact * above) continue;
            std::string text = whole == 1 && root != 1 ? "" : std::to_string((long long)whole);
            if (root != 1) text += "√" + std::to_string(root);
            if (below != 1) text += "/" + std::to_string(below);
            return text;
        }
    return {};
}

}  // namespace quarn
