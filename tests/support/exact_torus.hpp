#pragma once
// The exact outline of the menu's torus (major radius 40, tube radius 10, about the y axis, centred at
// the origin), worked out independently of the drawing code: traced finely along the curves where the
// surface turns edge-on, each piece hidden when the ray from it to the viewer passes through the tube.

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
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
            // Marched until the ray has left the ball round the torus.
            for (double s = 0.01; !covered && LengthOf(mid - away * s) <= R + r + 0.02; s += 0.02)
                covered = inside(mid - away * s);
            (covered ? hidden : visible)
                .push_back({view.Project(view.ToView(at(k))).At, view.Project(view.ToView(at(k + 1))).At});
        }
    }
    // Segments filed by the cell of their middle: the pieces are far shorter than a cell, so any that
    // passes within 1e-3 of a point has its middle in the point's cell or one next to it.
    using Cells = std::map<std::pair<long, long>, std::vector<Segment>>;
    const auto cellOf = [](const Point2& p) { return std::pair{std::lround(p.x), std::lround(p.y)}; };
    const auto file = [&](Cells& cells, const Segment& s) { cells[cellOf((s.first + s.second) * 0.5)].push_back(s); };
    const auto onAny = [&](const Segment& piece, const Cells& cells) {
        const Point2 middle = (piece.first + piece.second) * 0.5;
        const auto [cx, cy] = cellOf(middle);
        for (long x = cx - 1; x <= cx + 1; ++x)
            for (long y = cy - 1; y <= cy + 1; ++y)
                if (const auto it = cells.find({x, y}); it != cells.end())
                    for (const Segment& s : it->second)
                        if (DistanceToSegment(middle, s.first, s.second) < 1e-3) return true;
        return false;
    };
    TorusOutlineLengths lengths;
    Cells counted, seen;
    for (const Segment& piece : visible) {
        file(seen, piece);
        if (!onAny(piece, counted)) lengths.Visible += LengthOf(piece.second - piece.first), file(counted, piece);
    }
    for (const Segment& piece : hidden)
        if (!onAny(piece, seen)) lengths.Hidden += LengthOf(piece.second - piece.first);
    return lengths;
}

}  // namespace quarn::testing
