// Lines and cubic Bezier curves in the pen colour.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"

namespace quarn {
namespace raster {
namespace {

// The first m in [low, high] for which pred holds, pred being false up to some m and true after it;
// high + 1 when it never holds.
template <class Pred>
std::int64_t FirstWhere(std::int64_t low, std::int64_t high, Pred pred) {
    std::int64_t end = high + 1;
    while (low < end) {
        const std::int64_t middle = low + (end - low) / 2;
        if (pred(middle)) {
            end = middle;
        } else {
            low = middle + 1;
        }
    }
    return end;
}

}  // namespace

void AppendLinePixels(CanvasPoint a, CanvasPoint b, int width, int height, std::vector<std::uint32_t>& out) {
    if (width <= 0 || height <= 0) return;
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    if (dx == 0 && dy == 0) return;
    // Work along the major axis m and the minor axis n.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const auto major = [&](CanvasPoint p) { return std::int64_t{xMajor ? p.x : p.y}; };
    const auto minor = [&](CanvasPoint p) { return std::int64_t{xMajor ? p.y : p.x}; };
    const std::int64_t majorLimit = xMajor ? width : height;
    const std::int64_t minorLimit = xMajor ? height : width;

    // The drawn major coordinates run from a towards b with b left out.
    const bool forward = major(a) < major(b);
    std::int64_t low = forward ? major(a) : major(b) + 1;
    std::int64_t high = forward ? major(b) - 1 : major(a);
    low = std::max<std::int64_t>(low, 0);
    high = std::min<std::int64_t>(high, majorLimit - 1);
    if (low > high) return;

    // The minor coordinate at m, measured from the end with the smaller major coordinate so that both
    // drawing directions round alike: n(m) = startN + ceil((2 (m - startM) rise - run) / (2 run)).
    const CanvasPoint start = forward ? a : b;
    const CanvasPoint end = forward ? b : a;
    const std::int64_t startM = major(start);
    const std::int64_t startN = minor(start);
    const std::int64_t run = major(end) - startM;
    const std::int64_t rise = minor(end) - startN;
    const auto numerator = [&](std::int64_t m) { return Int128{2} * (m - startM) * rise - run; };
    const auto minorAt = [&](std::int64_t m) {
        return startN + static_cast<std::int64_t>(CeilDiv(numerator(m), Int128{2} * run));
    };

    // n(m) is monotonic, so the visible part is one interval of m; a line that starts and ends inside
    // is visible throughout.
    const auto visible = [&](std::int64_t m) {
        const std::int64_t n = minorAt(m);
        return n >= 0 && n < minorLimit;
    };
    if (visible(low) && visible(high)) {
        // nothing to cut
    } else if (rise >= 0) {
        low = FirstWhere(low, high, [&](std::int64_t m) { return minorAt(m) >= 0; });
        high = FirstWhere(low, high, [&](std::int64_t m) { return minorAt(m) >= minorLimit; }) - 1;
    } else {
        low = FirstWhere(low, high, [&](std::int64_t m) { return minorAt(m) < minorLimit; });
        high = FirstWhere(low, high, [&](std::int64_t m) { return minorAt(m) < 0; }) - 1;
    }
    if (low > high) return;

    CeilStepper n;
    n.Start(numerator(low), 2 * run, 2 * rise);
    const auto rowWidth = static_cast<std::uint32_t>(width);
    for (std::int64_t m = low; m <= high; ++m, n.Advance()) {
        const auto mm = static_cast<std::uint32_t>(m);
        const auto nn = static_cast<std::uint32_t>(startN + n.value);
        out.push_back(xMajor ? nn * rowWidth + mm : mm * rowWidth + nn);
    }
}

namespace {

struct CurvePoint {
    double x;
    double y;
};

CurvePoint Midpoint(CurvePoint a, CurvePoint b) {
    return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5};
}

CanvasPoint RoundToCanvas(CurvePoint p) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return {static_cast<std::int32_t>(std::clamp(std::nearbyint(p.x), kLow, kHigh)),
            static_cast<std::int32_t>(std::clamp(std::nearbyint(p.y), kLow, kHigh))};
}

// Emits the end of each piece that is flat enough or out of sight, splitting the rest in halves.
// The chord of a piece lies inside its control polygon, so a piece whose control points lie outside
// the image on one side draws nothing and needs no further splitting.
void Subdivide(const CurvePoint p[4], double width, double height, int depth, std::vector<CanvasPoint>& out) {
    constexpr double kTolerance = 0.25;  // pixels between the curve and its polyline
    constexpr int kMaxDepth = 48;        // far beyond what a 32-bit coordinate range needs
    const auto outside = [&](auto test) { return test(p[0]) && test(p[1]) && test(p[2]) && test(p[3]); };
    const bool hidden = outside([](CurvePoint q) { return q.x < -1.0; }) ||
                        outside([](CurvePoint q) { return q.y < -1.0; }) ||
                        outside([&](CurvePoint q) { return q.x > width; }) ||
                        outside([&](CurvePoint q) { return q.y > height; });
    // A cubic stays within 3/4 of its largest second difference of its chord.
    const double bendA = std::hypot(p[0].x - 2 * p[1].x + p[2].x, p[0].y - 2 * p[1].y + p[2].y);
    const double bendB = std::hypot(p[1].x - 2 * p[2].x + p[3].x, p[1].y - 2 * p[2].y + p[3].y);
    if (hidden || 0.75 * std::max(bendA, bendB) <= kTolerance || depth >= kMaxDepth) {
        const CanvasPoint end = RoundToCanvas(p[3]);
        if (out.empty() || out.back().x != end.x || out.back().y != end.y) out.push_back(end);
        return;
    }
    const CurvePoint p01 = Midpoint(p[0], p[1]);
    const CurvePoint p12 = Midpoint(p[1], p[2]);
    const CurvePoint p23 = Midpoint(p[2], p[3]);
    const CurvePoint p012 = Midpoint(p01, p12);
    const CurvePoint p123 = Midpoint(p12, p23);
    const CurvePoint middle = Midpoint(p012, p123);
    const CurvePoint first[4] = {p[0], p01, p012, middle};
    const CurvePoint second[4] = {middle, p123, p23, p[3]};
    Subdivide(first, width, height, depth + 1, out);
    Subdivide(second, width, height, depth + 1, out);
}

}  // namespace

void FlattenBezier(const CanvasPoint p[4], int width, int height, std::vector<CanvasPoint>& out) {
    CurvePoint control[4];
    for (int i = 0; i < 4; ++i) control[i] = {static_cast<double>(p[i].x), static_cast<double>(p[i].y)};
    Subdivide(control, width, height, 0, out);
}

}  // namespace raster

void Canvas::MoveToEx(std::int32_t x, std::int32_t y) {
    position_ = {x, y};
}

void Canvas::LineTo(std::int32_t x, std::int32_t y) {
    const CanvasPoint from = position_;
    position_ = {x, y};
    if (penStyle_ == kPenNone || pixels_.empty()) return;
    penScratch_.clear();
    raster::AppendLinePixels(from, position_, width_, height_, penScratch_);
    ApplyPenPixels(penScratch_, false);
}

void Canvas::PolyBezier(const CanvasPoint* points, int count) {
    if (points == nullptr || count < 4 || (count - 1) % 3 != 0) return;
    if (penStyle_ == kPenNone || pixels_.empty()) return;
    thread_local std::vector<CanvasPoint> path;
    path.assign(1, points[0]);
    for (int i = 0; i + 3 < count; i += 3) raster::FlattenBezier(points + i, width_, height_, path);
    penScratch_.clear();
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        raster::AppendLinePixels(path[i], path[i + 1], width_, height_, penScratch_);
    }
    // The curve ends on its last point.
    const CanvasPoint last = path.back();
    if (last.x >= 0 && last.x < width_ && last.y >= 0 && last.y < height_) {
        penScratch_.push_back(static_cast<std::uint32_t>(last.y) * static_cast<std::uint32_t>(width_) +
                              static_cast<std::uint32_t>(last.x));
    }
    ApplyPenPixels(penScratch_, true);
}

}  // namespace quarn
