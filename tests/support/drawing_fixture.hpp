#pragma once
// Shared set-up for the drawing tests: the solid fixture, and measurements of a finished line drawing.

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "drawing/line_drawing.hpp"
#include "geometry/mesh_topology.hpp"
#include "support/solid_fixture.hpp"

namespace quarn::testing {

using DrawingTest = SolidTest;

// (mesh, edge) of every edge with a run of the given visibility.
inline std::set<std::pair<int, int>> EdgesWith(const LineDrawing& drawing, bool visible) {
    std::set<std::pair<int, int>> edges;
    for (const EdgeRun& r : drawing.Runs)
        if (r.Visible == visible) edges.insert({r.Mesh, r.Edge});
    return edges;
}

inline double RunLength(const LineDrawing& drawing, bool visible) {
    double length = 0;
    for (const EdgeRun& r : drawing.Runs)
        if (r.Visible == visible) length += LengthOf(r.To - r.From);
    return length;
}

// Distance of p from the segment a-b.
inline double DistanceToSegment(const Point2& p, const Point2& a, const Point2& b) {
    const Point2 d = b - a;
    const double t = std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y), 0.0, 1.0);
    return LengthOf(p - (a + d * t));
}

// True when the run lies on one of the segments.
inline bool RunOnSegments(const EdgeRun& run, const std::vector<std::pair<Point2, Point2>>& segments) {
    for (const auto& [a, b] : segments)
        if (DistanceToSegment(run.From, a, b) < 1e-3 && DistanceToSegment(run.To, a, b) < 1e-3) return true;
    return false;
}

}  // namespace quarn::testing
