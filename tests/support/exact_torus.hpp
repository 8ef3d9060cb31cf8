#pragma once
// The exact outline of the menu's torus (major radius 40, tube radius 10, about the y axis, centred at
// the origin), worked out independently of the drawing code: traced finely along the curves where the
// surface turns edge-on, each piece hidden when the ray from it to the viewer passes through the tube.

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

#include "drawing/drawing_view.hpp"
#include "support/drawing_fixture.hpp"

namespace quarn::testing {

struct TorusOutlineLengths {
    double Visible = 0, Hidden = 0;
};

// The drawn lengths of the outline in a parallel view along `away` (a unit vector from the viewer into
// the picture). A piece drawn on top of one already counted (the far half of the top circle seen
// square to the axis) counts once, and a hidden piece that lies on the visible outline not at all, as
// a drawing shows them.
inline TorusOutlineLengths ExactTorusOutline(const DrawingView& view, const Point3& away) {
    constexpr double R = 40, r = 10, pi = std::numbers::pi;
    const auto inside = [&](const Point3& p) {
        const double ring = std::sqrt(p.x * p.x + p.z * p.z) - R;
        return ring * ring + p.y * p.y < r * r;
    };
    // The normal (cos v cos u, sin v, cos v sin u) is square to `away` where A(u) cos v + B sin v = 0.
    const auto A = [&](double u) { return std::cos(u) * away.x + std::sin(u) * away.z; };
    const double B = away.y;
    std::vector<std::function<std::pair<double, double>(double)>> curves;  // t in [0, 2 pi) -> (u, v)
    if (std::fabs(B) > 1e-12) {
        for (const double turn : {0.0, pi})
            curves.push_back([=](double t) { return std::pair{t, std::atan2(A(t), -B) + turn}; });
    } else {  // seen square to the axis: the top and bottom circles and two circles of the tube
        const double u0 = std::atan2(-away.x, away.z);
        for (const double v : {pi / 2, -pi / 2}) curves.push_back([=](double t) { return std::pair{t, v}; });
        for (const double u : {u0, u0 + pi}) curves.push_back([=](double t) { return std::pair{u, t}; });
    }
    constexpr int kSamples = 3000;
    using Segment = std::pair<Point2, Point2>;
    std::vector<Segment> visible, hidden;
    for (const auto& curve : curves) {
        const auto at = [&](double k) {
            const auto [u, v] = curve(2 * pi * k / kSamples);
            return Point3{(R + r * std::cos(v)) * std::cos(u), r * std::sin(v),
                          (R + r * std::cos(v)) * std::sin(u)};
        };
        for (int k = 0; k < kSamples; ++k) {
            const Point3 mid = at(k + 0.5);
            bool covered = false;
            for (double s = 0.01; s < 2 * (R + r) && !covered; s += 0.02) covered = inside(mid - away * s);
            (covered ? hidden : visible)
                .push_back({view.Project(view.ToView(at(k))).At, view.Project(view.ToView(at(k + 1))).At});
        }
    }
    const auto onAny = [](const Segment& piece, const std::vector<Segment>& drawn) {
        return std::any_of(drawn.begin(), drawn.end(), [&](const Segment& s) {
            return DistanceToSegment((piece.first + piece.second) * 0.5, s.first, s.second) < 1e-3;
        });
    };
    TorusOutlineLengths lengths;
    std::vector<Segment> counted;
    for (const Segment& piece : visible)
        if (!onAny(piece, counted)) lengths.Visible += LengthOf(piece.second - piece.first), counted.push_back(piece);
    for (const Segment& piece : hidden)
        if (!onAny(piece, visible)) lengths.Hidden += LengthOf(piece.second - piece.first);
    return lengths;
}

}  // namespace quarn::testing
