#include "drawing/hidden_lines.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarn {
namespace {

// Grid cells are about half as wide as a typical face.
constexpr double kCellScale = 0.5;
// How much of the nearness keys' size the depth test that turns faces away leaves to rounding, so that
// it never turns away a face that the exact test would find hiding a sliver.
constexpr double kNearnessSlack = 1e-9;

// Where the affine function f(s) = f0 + (f1 - f0) s is above zero, intersected with [lo, hi].
inline bool ClipAbove(double f0, double f1, double& lo, double& hi) {
    const double slope = f1 - f0;
    if (slope == 0) return f0 > 0 && lo < hi;
    const double root = -f0 / slope;
    if (slope > 0)
        lo = std::max(lo, root);
    else
        hi = std::min(hi, root);
    return lo < hi;
}

// True when the intervals leave no gap in [0, 1]; reachesEnds: some interval starts at 0 and some ends
// at 1, without which they cannot.
bool CoversWhole(Intervals& intervals, bool reachesEnds) {
    const auto& last = intervals.back();
    if (last.first == 0 && last.second == 1) return true;
    if (!reachesEnds) return false;
    std::sort(intervals.begin(), intervals.end());
    if (intervals.front().first > 0) return false;
    double reached = 0;
    for (const auto& [lo, hi] : intervals) {
        if (lo > reached) return false;
        reached = std::max(reached, hi);
    }
    return reached >= 1;
}

Box2 BoxOf(const Occluder& o) {
    const Point2 &a = o.Corners[0].At, &b = o.Corners[1].At, &c = o.Corners[2].At;
    Box2 box;
    box.MinX = std::min({a.x, b.x, c.x}), box.MaxX = std::max({a.x, b.x, c.x});
    box.MinY = std::min({a.y, b.y, c.y}), box.MaxY = std::max({a.y, b.y, c.y});
    return box;
}

}  // namespace

OccluderGrid::Prepared OccluderGrid::Prepare(const Occluder& o) const {
    Prepared p;
    p.Corner0 = o.Corners[0].At;
    p.Q0 = o.Corners[0].Q;
    p.Edge1 = o.Corners[1].At - p.Corner0, p.Edge2 = o.Corners[2].At - p.Corner0;
    p.Area2 = CrossProduct2(p.Edge1, p.Edge2);
    p.Dq1 = o.Corners[1].Q - p.Q0, p.Dq2 = o.Corners[2].Q - p.Q0;
    for (int k = 0; k < 3; ++k) {
        p.From[k] = o.Corners[k].At;
        p.Side[k] = o.Corners[(k + 1) % 3].At - p.From[k];
        p.SideLength[k] = LengthOf(p.Side[k]);
    }
    const Point2 &p0 = o.Corners[0].At, &p1 = o.Corners[1].At, &p2 = o.Corners[2].At;
    p.Degenerate =
        std::fabs(p.Area2) <= tolerance2d_ * (LengthOf(p1 - p0) + LengthOf(p2 - p1) + LengthOf(p0 - p2));
    p.Orientation = p.Area2 > 0 ? 1 : -1;
    // The triangle grown by the tolerance is the triangle scaled about its incentre by
    // (inradius + tolerance) / inradius: its corners move by less than longest side * tolerance / inradius.
    p.Box = p.Reach = BoxOf(o);
    if (!p.Degenerate) {
        const double perimeter = p.SideLength[0] + p.SideLength[1] + p.SideLength[2];
        const double longest = std::max({p.SideLength[0], p.SideLength[1], p.SideLength[2]});
        const double grow = 2 * longest * tolerance2d_ * perimeter / std::fabs(p.Area2) + 1e-9 * longest;
        p.Reach.MinX -= grow, p.Reach.MinY -= grow, p.Reach.MaxX += grow, p.Reach.MaxY += grow;
    }
    // The grown triangle is the triangle scaled about its incentre by 1 + tolerance / inradius, so the
    // nearness over it exceeds the corners' by at most that share of their spread (twice, to be safe).
    const double nearest = std::max({o.Corners[0].Q, o.Corners[1].Q, o.Corners[2].Q});
    const double farthest = std::min({o.Corners[0].Q, o.Corners[1].Q, o.Corners[2].Q});
    const double perimeter = p.SideLength[0] + p.SideLength[1] + p.SideLength[2];
    const double growth = p.Degenerate ? 0 : tolerance2d_ * perimeter / std::fabs(p.Area2);
    p.MaxQ = nearest + 2 * growth * (nearest - farthest) +
             kNearnessSlack * (std::fabs(nearest) + std::fabs(farthest));
    if (std::isnan(p.MaxQ)) p.MaxQ = INFINITY;  // never turned away, and sortable
    return p;
}

// The part of a -> b that lies inside the triangle grown by reach and behind it. The sides are clipped
// first: the faces left after the grid's depth test mostly stand in front of the edge, and the sides
// need no division; the clips only narrow [lo, hi], so their order does not change the result.
bool OccluderGrid::HiddenBehind(const Prepared& o, const Projected& a, const Projected& b, double reach,
                                double qTolerance, double& lo, double& hi) {
    if (o.Degenerate) return false;
    // The face's nearness at a drawing point through its plane Q = alpha x + beta y + gamma.
    const auto faceQ = [&](const Point2& p) {
        const Point2 d = p - o.Corner0;
        const double u = CrossProduct2(d, o.Edge2) / o.Area2, v = CrossProduct2(o.Edge1, d) / o.Area2;
        return o.Q0 + u * o.Dq1 + v * o.Dq2;
    };
    lo = 0, hi = 1;
    for (int k = 0; k < 3; ++k) {
        const double margin = reach * o.SideLength[k];
        const double fa = o.Orientation * CrossProduct2(o.Side[k], a.At - o.From[k]) + margin;
        const double fb = o.Orientation * CrossProduct2(o.Side[k], b.At - o.From[k]) + margin;
        if (!ClipAbove(fa, fb, lo, hi)) return false;
    }
    return ClipAbove(faceQ(a.At) - a.Q - qTolerance, faceQ(b.At) - b.Q - qTolerance, lo, hi);
}

inline std::pair<int, int> OccluderGrid::CellOf(const Point2& p) const {
    const int c = int(std::floor((p.x - box_.MinX) / cellWidth_));
    const int r = int(std::floor((p.y - box_.MinY) / cellHeight_));
    return {std::clamp(c, 0, columns_ - 1), std::clamp(r, 0, rows_ - 1)};
}

OccluderGrid::OccluderGrid(std::vector<Occluder> occluders, double tolerance2d)
    : occluders_(std::move(occluders)), tolerance2d_(tolerance2d) {
    prepared_.reserve(occluders_.size());
    for (const Occluder& o : occluders_) prepared_.push_back(Prepare(o));
    // Degenerate faces hide nothing and are left out of the cells; the rest are filled in nearest
    // first, so that every cell's list is sorted by nearness.
    std::vector<int> order;
    order.reserve(prepared_.size());
    for (int i = 0; i < int(prepared_.size()); ++i)
        if (!prepared_[i].Degenerate) order.push_back(i), box_.Add(prepared_[i].Box);
    std::stable_sort(order.begin(), order.end(), [&](int i, int j) { return prepared_[i].MaxQ > prepared_[j].MaxQ; });
    if (box_.Empty()) return;
    // Square cells about half as wide as a typical face, so that a face lies in few cells and an edge meets
    // few faces that do not cover it; at least one face per cell on average, at most 256 x 256 cells.
    double typical = 0;
    for (const int i : order) typical += std::max(prepared_[i].Box.Width(), prepared_[i].Box.Height());
    typical /= double(order.size());
    const double fewest = std::sqrt(std::max(box_.Width() * box_.Height(), 1e-300) / double(order.size()));
    const double cell = std::max({typical * kCellScale, fewest, 1e-300});
    columns_ = std::clamp(int(std::ceil(box_.Width() / cell)), 1, 256);
    rows_ = std::clamp(int(std::ceil(box_.Height() / cell)), 1, 256);
    cellWidth_ = std::max(box_.Width(), 1e-300) / columns_;
    cellHeight_ = std::max(box_.Height(), 1e-300) / rows_;
    // The cells' lists one after another: counted first, then filled in the order of the occluders.
    cellStart_.assign(std::size_t(columns_) * rows_ + 1, 0);
    const auto forCells = [&](int i, auto visit) {
        const Box2& b = prepared_[i].Box;
        const auto [c0, r0] = CellOf({b.MinX, b.MinY});
        const auto [c1, r1] = CellOf({b.MaxX, b.MaxY});
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) visit(std::size_t(r) * columns_ + c);
    };
    // Counted in the mesh's order, whose neighbouring faces share cells, rather than the scattered order
    // of nearness that the filling needs.
    for (int i = 0; i < int(prepared_.size()); ++i)
        if (!prepared_[i].Degenerate) forCells(i, [&](std::size_t cell) { ++cellStart_[cell + 1]; });
    for (std::size_t k = 1; k < cellStart_.size(); ++k) cellStart_[k] += cellStart_[k - 1];
    cellItems_.resize(cellStart_.back());
    std::vector<int> filled(cellStart_.begin(), cellStart_.end() - 1);
    for (const int i : order) {
        float maxQ = float(prepared_[i].MaxQ);
        if (double(maxQ) < prepared_[i].MaxQ) maxQ = std::nextafter(maxQ, INFINITY);
        forCells(i, [&](std::size_t cell) { cellItems_[filled[cell]++] = {maxQ, i}; });
    }
}

Intervals OccluderGrid::HiddenIntervals(const Projected& a, const Projected& b, double qTolerance,
                                        const std::function<OccluderMargin(const Occluder&)>& margin,
                                        OccluderVisits& visits) const {
    Intervals hidden;
    if (cellStart_.empty()) return hidden;
    Box2 span;
    span.Add(a.At), span.Add(b.At);
    if (span.MaxX < box_.MinX || span.MinX > box_.MaxX || span.MaxY < box_.MinY || span.MinY > box_.MaxY)
        return hidden;
    std::vector<unsigned>& stamp = visits.stamp_;
    if (visits.grid_ != this || stamp.size() != occluders_.size())
        visits.grid_ = this, stamp.assign(occluders_.size(), 0), visits.query_ = 0;
    if (++visits.query_ == 0) std::fill(stamp.begin(), stamp.end(), 0), visits.query_ = 1;
    const unsigned query = visits.query_;
    const auto [c0, r0] = CellOf({span.MinX, span.MinY});
    const auto [c1, r1] = CellOf({span.MaxX, span.MaxY});
    const Point2 along = b.At - a.At;
    const double len = LengthOf(along);
    const double halfCell = 0.5 * std::hypot(cellWidth_, cellHeight_);
    // A face hides a part of the edge only where it is nearer than the edge by the tolerance, so only
    // when its nearest point is nearer than the edge's farthest end by that much.
    const double needed = std::min(a.Q, b.Q) + qTolerance -
                          kNearnessSlack * (std::fabs(a.Q) + std::fabs(b.Q) + qTolerance);
    bool fromStart = false, toEnd = false;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            // Skip cells of the bounding box that the segment itself does not come near.
            const Point2 centre{box_.MinX + (c + 0.5) * cellWidth_, box_.MinY + (r + 0.5) * cellHeight_};
            if (len > 0 && std::fabs(CrossProduct2(along, centre - a.At)) / len > halfCell) continue;
            const std::size_t cell = std::size_t(r) * columns_ + c;
            for (int k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const CellItem& item = cellItems_[k];
                if (item.MaxQ <= needed) break;  // this one and all after it lie behind the edge
                const Prepared& p = prepared_[item.Index];
                if (span.MaxX < p.Reach.MinX || span.MinX > p.Reach.MaxX || span.MaxY < p.Reach.MinY ||
                    span.MinY > p.Reach.MaxY || stamp[item.Index] == query)
                    continue;
                stamp[item.Index] = query;
                double lo, hi;
                if (!HiddenBehind(p, a, b, tolerance2d_, qTolerance, lo, hi)) continue;
                // A margin only narrows what the face hides: asked of the faces that hide something.
                const OccluderMargin extra = margin(occluders_[item.Index]);
                if (extra.Depth == std::numeric_limits<double>::infinity() ||
                    (extra.Depth != 0 && !HiddenBehind(p, a, b, tolerance2d_, qTolerance + extra.Depth, lo, hi)) ||
                    (hi - lo) * len < extra.Overlap)
                    continue;
                hidden.push_back({lo, hi});
                fromStart |= lo == 0, toEnd |= hi == 1;
                // Hidden as a whole: what further faces hide changes nothing once merged.
                if (CoversWhole(hidden, fromStart && toEnd)) return {{0.0, 1.0}};
            }
        }
    return hidden;
}

Intervals MergeIntervals(Intervals intervals, double minLength) {
    std::sort(intervals.begin(), intervals.end());
    Intervals merged;
    for (auto piece : intervals) {
        if (piece.first < minLength) piece.first = 0;
        if (piece.second > 1 - minLength) piece.second = 1;
        if (!merged.empty() && piece.first <= merged.back().second + minLength)
            merged.back().second = std::max(merged.back().second, piece.second);
        else
            merged.push_back(piece);
    }
    std::erase_if(merged, [&](const auto& piece) { return piece.second - piece.first < minLength; });
    return merged;
}

}  // namespace quarn
