#include "geometry/worked_formulas.hpp"

#include <charconv>
#include <cmath>
#include <numbers>

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;

// A given dimension as it was given: 40, 12.5, 0.1.
std::string Given(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// A value worked out on the way (a base area, a side), to six significant digits as a teacher
// would copy it from a calculator.
std::string Derived(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    return std::string(text, end);
}

std::string Squared(double value) { return Given(value) + "²"; }
std::string Cubed(double value) { return Given(value) + "³"; }

// "V = π·r²·h = π·40²·60", with the values that were worked out beforehand named in brackets.
std::string Worked(const std::string& symbols, const std::string& numbers, const std::string& where = "") {
    return symbols + " = " + numbers + (where.empty() ? "" : " (" + where + ")");
}

// The base of a regular n-gonal solid: its area S = n/2·r²·sin(360°/n) and side a = 2r·sin(180°/n).
struct RegularBase {
    double Area, Side, Apothem;
    std::string AreaText, SideText;
};

RegularBase BaseOf(int n, double r) {
    const std::string sides = Given(n);
    return {n / 2.0 * r * r * std::sin(2 * kPi / n), 2 * r * std::sin(kPi / n), r * std::cos(kPi / n),
            sides + "/2·" + Squared(r) + "·sin(360°/" + sides + ")",
            "2·" + Given(r) + "·sin(180°/" + sides + ")"};
}

WorkedFormulas Prism(int n, double r, double h) {
    const RegularBase base = BaseOf(n, r);
    return {Worked("V = S底·h", Derived(base.Area) + "·" + Given(h), "S底 = " + base.AreaText),
            Worked("S表 = 2·S底 + n·a·h", "2·" + Derived(base.Area) + " + " + Given(n) + "·" + Derived(base.Side) +
                                          "·" + Given(h),
                   "S底 = " + base.AreaText + ", a = " + base.SideText)};
}

WorkedFormulas Pyramid(int n, double r, double h) {
    const RegularBase base = BaseOf(n, r);
    const std::string slant = "√(" + Squared(h) + " + (" + Given(r) + "·cos(180°/" + Given(n) + "))²)";
    return {Worked("V = 1/3·S底·h", "1/3·" + Derived(base.Area) + "·" + Given(h), "S底 = " + base.AreaText),
            Worked("S表 = S底 + n·a·h'/2",
                   Derived(base.Area) + " + " + Given(n) + "·" + Derived(base.Side) + "·" +
                       Derived(std::hypot(h, base.Apothem)) + "/2",
                   "S底 = " + base.AreaText + ", a = " + base.SideText + ", h' = " + slant)};
}

WorkedFormulas Frustum(int n, double r1, double r2, double h) {
    const RegularBase bottom = BaseOf(n, r1), top = BaseOf(n, r2);
    const std::string s1 = Derived(bottom.Area), s2 = Derived(top.Area);
    const std::string where = "S1 = " + bottom.AreaText + ", S2 = " + top.AreaText;
    const std::string slant = "√(" + Squared(h) + " + (" + Derived(bottom.Apothem - top.Apothem) + ")²)";
    return {Worked("V = 1/3·h·(S1 + √(S1·S2) + S2)",
                   "1/3·" + Given(h) + "·(" + s1 + " + √(" + s1 + "·" + s2 + ") + " + s2 + ")", where),
            Worked("S表 = S1 + S2 + n·(a1 + a2)·h'/2",
                   s1 + " + " + s2 + " + " + Given(n) + "·(" + Derived(bottom.Side) + " + " + Derived(top.Side) +
                       ")·" + Derived(std::hypot(h, bottom.Apothem - top.Apothem)) + "/2",
                   where + ", a1 = " + bottom.SideText + ", a2 = " + top.SideText + ", h' = " + slant)};
}

}  // namespace

WorkedFormulas WorkIdealFormulas(const IdealSolid& s) {
    const double a = s.A, b = s.B, c = s.C;
    switch (s.Shape) {
        case IdealShape::Box:
            return {Worked("V = a·b·c", Given(a) + "·" + Given(b) + "·" + Given(c)),
                    Worked("S = 2·(a·b + b·c + c·a)", "2·(" + Given(a) + "·" + Given(b) + " + " + Given(b) + "·" +
                                                           Given(c) + " + " + Given(c) + "·" + Given(a) + ")")};
        case IdealShape::Square:
            return {"", Worked("S = a·b", Given(a) + "·" + Given(b))};
        case IdealShape::Sphere:
            return {Worked("V = 4/3·π·r³", "4/3·π·" + Cubed(a)), Worked("S = 4·π·r²", "4·π·" + Squared(a))};
        case IdealShape::Hemisphere:
            return {Worked("V = 2/3·π·r³", "2/3·π·" + Cubed(a)),
                    Worked("S = 2·π·r² + π·r²", "2·π·" + Squared(a) + " + π·" + Squared(a))};
        case IdealShape::Cone:
            return {Worked("V = 1/3·π·r²·h", "1/3·π·" + Squared(a) + "·" + Given(b)),
                    Worked("S = π·r² + π·r·l", "π·" + Squared(a) + " + π·" + Given(a) + "·√(" + Squared(a) +
                                                   " + " + Squared(b) + ")")};
        case IdealShape::Cylinder:
            return {Worked("V = π·r²·h", "π·" + Squared(a) + "·" + Given(b)),
                    Worked("S = 2·π·r² + 2·π·r·h", "2·π·" + Squared(a) + " + 2·π·" + Given(a) + "·" + Given(b))};
        case IdealShape::CylinderSector: {
            const std::string share = Given(c) + "/360";
            return {Worked("V = θ/360·π·r²·h", share + "·π·" + Squared(a) + "·" + Given(b)),
                    Worked("S = 2·θ/360·π·r² + θ/360·2·π·r·h + 2·r·h",
                           "2·" + share + "·π·" + Squared(a) + " + " + share + "·2·π·" + Given(a) + "·" +
                               Given(b) + " + 2·" + Given(a) + "·" + Given(b))};
        }
        case IdealShape::Tetrahedron: {
            const std::string edge = Derived(a * std::sqrt(8.0 / 3));
            const std::string where = "a = √(8/3)·" + Given(a);
            return {Worked("V = √2/12·a³", "√2/12·" + edge + "³", where),
                    Worked("S = √3·a²", "√3·" + edge + "²", where)};
        }
        case IdealShape::Octahedron:
            return {Worked("V = 4/3·R³", "4/3·" + Cubed(a)), Worked("S = 4·√3·R²", "4·√3·" + Squared(a))};
        case IdealShape::Torus:
            return {Worked("V = 2·π²·R·r²", "2·π²·" + Given(a) + "·" + Squared(b)),
                    Worked("S = 4·π²·R·r", "4·π²·" + Given(a) + "·" + Given(b))};
        case IdealShape::Prism:
            return Prism(s.Sides, a, b);
        case IdealShape::Pyramid:
            return Pyramid(s.Sides, a, b);
        case IdealShape::Frustum:
            return Frustum(s.Sides, a, b, c);
        case IdealShape::ConeFrustum:
            return {Worked("V = 1/3·π·h·(r1² + r1·r2 + r2²)", "1/3·π·" + Given(c) + "·(" + Squared(a) + " + " +
                                                                   Given(a) + "·" + Given(b) + " + " + Squared(b) +
                                                                   ")"),
                    Worked("S = π·(r1 + r2)·l + π·(r1² + r2²)",
                           "π·(" + Given(a) + " + " + Given(b) + ")·√(" + Squared(c) + " + " +
                               Derived(a - b) + "²) + π·(" + Squared(a) + " + " + Squared(b) + ")")};
    }
    return {};
}

}  // namespace quarn
