#include "geometry/ideal_solids.hpp"

#include <cmath>
#include <numbers>

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;

// Area of the regular n-gon with circumradius r, and its side.
double PolygonArea(int n, double r) {
    return n / 2.0 * r * r * std::sin(2 * kPi / n);
}
double PolygonSide(int n, double r) {
    return 2 * r * std::sin(kPi / n);
}
// The distance from the centre of a regular n-gon to the middle of a side.
double Apothem(int n, double r) {
    return r * std::cos(kPi / n);
}

}  // namespace

IdealMeasures MeasureIdealSolid(const IdealSolid& s) {
    const double a = s.A, b = s.B, n = s.Sides;
    switch (s.Shape) {
        case IdealShape::Box:
            return {"box", "abc", 2 * (a * b + b * s.C + s.C * a), a * b * s.C};
        case IdealShape::Square:
            return {"square", "", a * b, std::nullopt};
        case IdealShape::Sphere:
            return {"sphere", "4πr³/3", 4 * kPi * a * a, 4 * kPi * a * a * a / 3};
        case IdealShape::Hemisphere:
            return {"hemisphere", "2πr³/3", 3 * kPi * a * a, 2 * kPi * a * a * a / 3};
        case IdealShape::Cone:
            return {"cone", "πr²h/3", kPi * a * a + kPi * a * std::hypot(a, b), kPi * a * a * b / 3};
        case IdealShape::Cylinder:
            return {"cylinder", "πr²h", 2 * kPi * a * a + 2 * kPi * a * b, kPi * a * a * b};
        case IdealShape::CylinderSector: {
            const double angle = s.C * kPi / 180;
            return {"cylinder sector", "θr²h/2", angle * a * a + angle * a * b + 2 * a * b,
                    angle * a * a * b / 2};
        }
        case IdealShape::Tetrahedron: {
            const double edge = a * std::sqrt(8.0 / 3);
            return {"regular tetrahedron", "a³/(6√2)", std::sqrt(3.0) * edge * edge,
                    edge * edge * edge / (6 * std::sqrt(2.0))};
        }
        case IdealShape::Octahedron:
            return {"regular octahedron", "4R³/3", 4 * std::sqrt(3.0) * a * a, 4 * a * a * a / 3};
        case IdealShape::Torus:
            return {"torus", "2π²Rr²", 4 * kPi * kPi * a * b, 2 * kPi * kPi * a * b * b};
        case IdealShape::Prism:
            return {"regular prism", "Sh", 2 * PolygonArea(s.Sides, a) + n * PolygonSide(s.Sides, a) * b,
                    PolygonArea(s.Sides, a) * b};
        case IdealShape::Pyramid: {
            const double slant = std::hypot(b, a * std::cos(kPi / n));
            return {"regular pyramid", "Sh/3",
                    PolygonArea(s.Sides, a) + n * PolygonSide(s.Sides, a) * slant / 2,
                    PolygonArea(s.Sides, a) * b / 3};
        }
        case IdealShape::Frustum: {
            const double h = s.C, bottom = PolygonArea(s.Sides, a), top = PolygonArea(s.Sides, b);
            const double slant = std::hypot(h, Apothem(s.Sides, a) - Apothem(s.Sides, b));
            return {"regular frustum", "h(S1+√(S1S2)+S2)/3",
                    bottom + top + n * (PolygonSide(s.Sides, a) + PolygonSide(s.Sides, b)) * slant / 2,
                    h * (bottom + std::sqrt(bottom * top) + top) / 3};
        }
        case IdealShape::ConeFrustum: {
            const double h = s.C, slant = std::hypot(h, a - b);
            return {"cone frustum", "πh(r1²+r1r2+r2²)/3", kPi * (a + b) * slant + kPi * (a * a + b * b),
                    kPi * h * (a * a + a * b + b * b) / 3};
        }
    }
    return {};
}

}  // namespace quarn
