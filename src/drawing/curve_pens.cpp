#include "drawing/curve_pens.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarn {
namespace {

// A cubic Bézier through the ends of an eighth of a circle keeps within 1e-5 of its radius.
constexpr double kLongestArc = std::numbers::pi / 4;

}  // namespace

void AddEllipseArc(SheetPath& path, const Point2& centre, double a, double b, double t0, double t1) {
    const int pieces = std::max(1, int(std::ceil(std::fabs(t1 - t0) / kLongestArc - 1e-9)));
    const double step = (t1 - t0) / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4);
    const auto at = [&](double t) { return centre + Point2{a * std::cos(t), b * std::sin(t)}; };
    const auto along = [&](double t) { return Point2{-a * std::sin(t), b * std::cos(t)}; };
    path.MoveTo(at(t0));
    for (int k = 0; k < pieces; ++k) {
        const double s0 = t0 + k * step, s1 = s0 + step;
        path.CurveTo(at(s0) + along(s0) * handle, at(s1) - along(s1) * handle, at(s1));
    }
}

void AddCircle(SheetPath& path, const Point2& centre, double r) {
    AddEllipseArc(path, centre, r, r, 0, 2 * std::numbers::pi);
    path.Close();
}

void AddSegment(SheetPath& path, const Point2& a, const Point2& b) {
    path.MoveTo(a).LineTo(b);
}

void Pens::Letter(const char* text, const char* subscript, const Point2& at, const Point2& away) {
    Out.Texts.push_back({TextRole::Letter, text, subscript, at, away * (1 / LengthOf(away))});
}

Sheet Pens::Finish() {
    for (SheetPath* path : {&Hidden, &Visible, &Centre})
        if (!path->Steps.empty()) Out.Paths.push_back(std::move(*path));
    return std::move(Out);
}

}  // namespace quarn
