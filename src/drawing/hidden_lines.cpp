#include "drawing/hidden_lines.hpp"

#include <algorithm>
#include <cmath>

namespace quarn {
namespace {

// Where the affine function f(s) = f0 + (f1 - f0) s is above zero, intersected with [lo, hi].
bool ClipAbove(double f0, double f1, double& lo, double& hi) {
    const double slope = f1 - f0;
    if (slope == 0) return f0 > 0 && lo < hi;
    const double root = -f0 / slope;
    if (slope > 0)
        lo = std::max(lo, root);
    else
        hi = std::min(hi, root);
    return lo < hi;
}

// The part of a -> b that lies inside the triangle and behind it.
bool HiddenBehind(const Occluder& o, const Projected& a, const Projected& b, double tolerance2d,
                  double qTolerance, double& lo, double& hi) {
    const Point2 &p0 = o.Corners[0].At, &p1 = o.Corners[1].At, &p2 = o.Corners[2].At;
    const double area2 = CrossProduct2(p1 - p0, p2 - p0);
    if (std::fabs(area2) <= tolerance2d * (LengthOf(p1 - p0) + LengthOf(p2 - p1) + LengthOf(p0 - p2)))
        return false;
    const double orientation = area2 > 0 ? 1 : -1;
    lo = 0, hi = 1;
    for (int k = 0; k < 3; ++k) {
        const Point2& from = o.Corners[k].At;
        const Point2 side = o.Corners[(k + 1) % 3].At - from;
        const double margin = tolerance2d * LengthOf(side);
        const double fa = orientation * CrossProduct2(side, a.At - from) + margin;
        const double fb = orientation * CrossProduct2(side, b.At - from) + margin;
        if (!ClipAbove(fa, fb, lo, hi)) return false;
    }
    // The face's nearness at a drawing point through its plane Q = alpha x + beta y + gamma.
    const Point2 e1 = p1 - p0, e2 = p2 - p0;
    const double dq1 = o.Corners[1].Q - o.Corners[0].Q, dq2 = o.Corners[2].Q - o.Corners[0].Q;
    const auto faceQ = [&](const Point2& p) {
        const Point2 d = p - p0;
        const double u = CrossProduct2(d, e2) / area2, v = CrossProduct2(e1, d) / area2;
        return o.Corners[0].Q + u * dq1 + v * dq2;
    };
    return ClipAbove(faceQ(a.At) - a.Q - qTolerance, faceQ(b.At) - b.Q - qTolerance, lo, hi);
}

Box2 BoxOf(const Occluder& o) {
    Box2 box;
    for (const Projected& c : o.Corners) box.Add(c.At);
    return box;
}

}  // namespace

OccluderGrid::OccluderGrid(std::vector<Occluder> occluders, double tolerance2d)
    : occluders_(std::move(occluders)), tolerance2d_(tolerance2d), stamp_(occluders_.size(), 0) {
    for (const Occluder& o : occluders_) box_.Add(BoxOf(o));
    if (box_.Empty()) return;
    // About two faces per cell for an even spread, at most 256 x 256 cells.
    const int side = std::clamp(int(std::sqrt(occluders_.size() / 2.0)), 1, 256);
    columns_ = rows_ = side;
    cellWidth_ = std::max(box_.Width(), 1e-300) / columns_;
    cellHeight_ = std::max(box_.Height(), 1e-300) / rows_;
    cells_.resize(std::size_t(columns_) * rows_);
    for (int i = 0; i < int(occluders_.size()); ++i) {
        const Box2 b = BoxOf(occluders_[i]);
        const auto [c0, r0] = CellOf({b.MinX, b.MinY});
        const auto [c1, r1] = CellOf({b.MaxX, b.MaxY});
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) cells_[std::size_t(r) * columns_ + c].push_back(i);
    }
}

std::pair<int, int> OccluderGrid::CellOf(const Point2& p) const {
    const int c = int(std::floor((p.x - box_.MinX) / cellWidth_));
    const int r = int(std::floor((p.y - box_.MinY) / cellHeight_));
    return {std::clamp(c, 0, columns_ - 1), std::clamp(r, 0, rows_ - 1)};
}

Intervals OccluderGrid::HiddenIntervals(const Projected& a, const Projected& b, double qTolerance,
                                        const std::function<bool(const Occluder&)>& skip) const {
    Intervals hidden;
    if (cells_.empty()) return hidden;
    Box2 span;
    span.Add(a.At), span.Add(b.At);
    if (span.MaxX < box_.MinX || span.MinX > box_.MaxX || span.MaxY < box_.MinY || span.MinY > box_.MaxY)
        return hidden;
    if (++query_ == 0) std::fill(stamp_.begin(), stamp_.end(), 0), query_ = 1;
    const auto [c0, r0] = CellOf({span.MinX, span.MinY});
    const auto [c1, r1] = CellOf({span.MaxX, span.MaxY});
    const Point2 along = b.At - a.At;
    const double len = LengthOf(along);
    const double halfCell = 0.5 * std::hypot(cellWidth_, cellHeight_);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            // Skip cells of the bounding box that the segment itself does not come near.
            const Point2 centre{box_.MinX + (c + 0.5) * cellWidth_, box_.MinY + (r + 0.5) * cellHeight_};
            if (len > 0 && std::fabs(CrossProduct2(along, centre - a.At)) / len > halfCell) continue;
            for (const int i : cells_[std::size_t(r) * columns_ + c]) {
                if (stamp_[i] == query_) continue;
                stamp_[i] = query_;
                const Occluder& o = occluders_[i];
                double lo, hi;
                if (!skip(o) && HiddenBehind(o, a, b, tolerance2d_, qTolerance, lo, hi))
                    hidden.push_back({lo, hi});
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
