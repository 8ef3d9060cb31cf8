#pragma once
// Which parts of a projected edge lie behind the faces of the drawing. The faces are projected once
// into a uniform grid over the drawing plane; an edge asks only the faces in the cells it crosses,
// and of those only the ones whose nearest point can stand in front of the edge's farthest end: each
// cell lists its faces nearest first, so that the rest of the list is left as soon as one lies behind.
// Along a projected edge both the edge's nearness key and a face's are affine, so the hidden part of
// the edge behind one face is one interval found exactly, without sampling.

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "drawing/drawing_view.hpp"

namespace quarn {

// A projected face that can hide edges.
struct Occluder {
    std::array<Projected, 3> Corners;
    int Mesh = 0;
    int Face = 0;
    std::array<int, 3> Vertices{};  // welded vertices of the mesh, to recognise an edge's neighbours
};

// What one occluder needs to hide a given edge: to stand nearer by Depth (never negative) more than the
// common depth tolerance, over a stretch of the edge at least Overlap long (drawing units). An infinite
// depth leaves the occluder out.
struct OccluderMargin {
    double Depth = 0;
    double Overlap = 0;
};

// Relative to the model's size: how far behind a face a line must lie to be hidden, how far a face
// reaches past its outline, and the shortest visible or hidden piece worth a stroke (shorter ones are
// noise of the tolerances, not parts of the picture).
inline constexpr double kDepthTolerance = 1e-4;
inline constexpr double kOutlineTolerance = 1e-6;
inline constexpr double kShortestPiece = 1e-3;

// Parameter intervals [from, to] within [0, 1], sorted and disjoint.
using Intervals = std::vector<std::pair<double, double>>;

// Which occluders one search of a grid has asked already: each thread that searches a grid while
// others do brings its own.
class OccluderVisits {
  private:
    friend class OccluderGrid;
    const void* grid_ = nullptr;   // the grid they were counted for
    std::vector<unsigned> stamp_;  // per occluder: the last query that tested it
    unsigned query_ = 0;
};

class OccluderGrid {
  public:
    // tolerance2d: how far the faces reach past their outlines, so that an edge running along the line
    // between two triangles of one face is covered by them, not slipping through between them.
    OccluderGrid(std::vector<Occluder> occluders, double tolerance2d);

    // The parts of the segment a -> b covered by an occluder nearer than the segment by more than
    // qTolerance plus the occluder's own margin(), which is asked only of occluders that hide a part
    // of the segment with no margin.
    Intervals HiddenIntervals(const Projected& a, const Projected& b, double qTolerance,
                              const std::function<OccluderMargin(const Occluder&)>& margin,
                              OccluderVisits& visits) const;
    // The same for one thread at a time, with the grid's own visits.
    Intervals HiddenIntervals(const Projected& a, const Projected& b, double qTolerance,
                              const std::function<OccluderMargin(const Occluder&)>& margin) const {
        return HiddenIntervals(a, b, qTolerance, margin, visits_);
    }

  private:
    // What the hiding test needs of one occluder, worked out once for every edge that asks.
    struct Prepared {
        Point2 Corner0, Edge1, Edge2;
        double Q0 = 0, Dq1 = 0, Dq2 = 0, Area2 = 0, Orientation = 1;
        std::array<Point2, 3> From, Side;
        std::array<double, 3> SideLength{};
        bool Degenerate = true;
        Box2 Box;
        Box2 Reach;       // holds the triangle grown by the outline tolerance
        double MaxQ = 0;  // at least the nearness of every point of the grown triangle
    };
    // An occluder in a cell's list, with its MaxQ rounded up, which turns it away without looking at it.
    struct CellItem {
        float MaxQ = 0;
        int Index = 0;
    };
    Prepared Prepare(const Occluder& o) const;
    static bool HiddenBehind(const Prepared& o, const Projected& a, const Projected& b, double reach,
                             double qTolerance, double& lo, double& hi);
    std::pair<int, int> CellOf(const Point2& p) const;

    std::vector<Occluder> occluders_;
    std::vector<Prepared> prepared_;
    std::vector<int> cellStart_;  // per cell: where its occluders begin in cellItems_; one more at the end
    std::vector<CellItem> cellItems_;
    Box2 box_;
    int columns_ = 1, rows_ = 1;
    double cellWidth_ = 1, cellHeight_ = 1;
    double tolerance2d_ = 0;
    mutable OccluderVisits visits_;
};

// Joins intervals that overlap or lie closer than minLength, reaches to 0 and 1 from closer than
// minLength, and drops pieces shorter than minLength: what is left has no slivers in or between it.
Intervals MergeIntervals(Intervals intervals, double minLength);

}  // namespace quarn
