#pragma once
// Shared set-up for the drawing tests: the solid fixture, and measurements of a finished line drawing.

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "drawing/line_drawing.hpp"
#include "drawing/sheet.hpp"
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


// A point of a sheet's Bézier curves with the direction the curve runs there.
struct CurveSample {
    Point2 At, Along;
    Pen Stroke;
};

// Every curve of the sheet sampled at 17 points of each of its Bézier pieces.
inline std::vector<CurveSample> SampleCurves(const Sheet& sheet) {
    std::vector<CurveSample> samples;
    for (const SheetPath& path : sheet.Paths) {
        Point2 from;
        for (const PathStep& step : path.Steps) {
            if (step.Step == PathStep::Kind::CurveTo) {
                const Point2 &a = from, &b = step.Control1, &c = step.Control2, &d = step.To;
                for (int k = 0; k <= 16; ++k) {
                    const double t = k / 16.0, u = 1 - t;
                    const Point2 at = a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
                    const Point2 along = (b - a) * (3 * u * u) + (c - b) * (6 * u * t) + (d - c) * (3 * t * t);
                    samples.push_back({at, along, path.Stroke});
                }
            }
            if (step.Step != PathStep::Kind::Close) from = step.To;
        }
    }
    return samples;
}

// The straight segments drawn with the pen.
inline std::vector<std::pair<Point2, Point2>> SheetSegments(const Sheet& sheet, Pen pen) {
    std::vector<std::pair<Point2, Point2>> segments;
    for (const SheetPath& path : sheet.Paths) {
        if (path.Stroke != pen) continue;
        Point2 from, start;
        for (const PathStep& step : path.Steps) {
            if (step.Step == PathStep::Kind::LineTo) segments.push_back({from, step.To});
            if (step.Step == PathStep::Kind::Close && LengthOf(from - start) > 1e-9) segments.push_back({from, start});
            if (step.Step == PathStep::Kind::MoveTo) start = step.To;
            if (step.Step != PathStep::Kind::Close) from = step.To;
        }
    }
    return segments;
}

// The sheet's letter with this text and subscript, or nullptr.
inline const SheetText* FindLetter(const Sheet& sheet, const std::string& text, const std::string& subscript = "") {
    for (const SheetText& t : sheet.Texts)
        if (t.Role == TextRole::Letter && t.Text == text && t.Subscript == subscript) return &t;
    return nullptr;
}

}  // namespace quarn::testing
