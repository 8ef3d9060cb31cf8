#pragma once
// The canvas's pixel rules, shared by its drawing files and checked directly by its tests.
//
// A pixel (x, y) is sampled at the lattice point (x, y). Edge positions are computed exactly with
// 64-bit values and 128-bit products, so every 32-bit coordinate works and the work done depends on
// the visible part only.
//
// Fill rule: an edge from row ya down to row yb > ya meets the rows ya <= y < yb (its upper end
// counts, its lower end does not; horizontal edges meet no row). Within a row, pixel x is inside when
// an odd number of crossings lie at or left of x. So points on a left or top edge belong to the shape,
// points on a right or bottom edge do not, and shapes sharing an edge cover each pixel once.

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/canvas.hpp"

namespace quarn::raster {

__extension__ typedef __int128 Int128;

// True when v fits in 63 bits; 64-bit division is much faster than 128-bit division.
inline bool IsNarrow(Int128 v) {
    constexpr Int128 kLimit = Int128{1} << 62;
    return v > -kLimit && v < kLimit;
}

// floor(a / b) and ceil(a / b) for b > 0.
inline Int128 FloorDiv(Int128 a, Int128 b) {
    // 32-bit division where it fits: screen-sized edges nearly always do, and it is the quickest.
    if (a > INT32_MIN && a <= INT32_MAX && b <= INT32_MAX) {
        const auto a32 = static_cast<std::int32_t>(a);
        const auto b32 = static_cast<std::int32_t>(b);
        const std::int32_t q = a32 / b32;
        return (a32 % b32 != 0 && a32 < 0) ? q - 1 : q;
    }
    if (IsNarrow(a) && IsNarrow(b)) {
        const auto a64 = static_cast<std::int64_t>(a);
        const auto b64 = static_cast<std::int64_t>(b);
        const std::int64_t q = a64 / b64;
        return (a64 % b64 != 0 && a64 < 0) ? q - 1 : q;
    }
    const Int128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
inline Int128 CeilDiv(Int128 a, Int128 b) {
    return -FloorDiv(-a, b);
}

// Follows ceil(n / den) while n grows by a fixed step, without dividing at each step. The caller
// guarantees that the quotients fit in 64 bits and that den and |step| stay below 2^62. Start sets
// every member.
struct CeilStepper {
    std::int64_t value;  // ceil(n / den)
    std::int64_t rest;   // value * den - n, in [0, den)
    std::int64_t den;
    std::int64_t stepValue;
    std::int64_t stepRest;

    void Start(Int128 n, std::int64_t denominator, std::int64_t step) {
        den = denominator;
        if (n == 0 && step > INT32_MIN && step <= INT32_MAX && den <= INT32_MAX) {
            // An edge that starts on a visible row and fits 32 bits, as nearly every edge on screen
            // does: one 32-bit division (rounded towards zero, then up for a positive remainder).
            const auto s = static_cast<std::int32_t>(step);
            const auto d = static_cast<std::int32_t>(den);
            const std::int32_t q = s / d + (s % d > 0 ? 1 : 0);
            value = 0;
            rest = 0;
            stepValue = q;
            stepRest = std::int64_t{q} * d - s;
            return;
        }
        StartWide(n, step);
    }

  private:
    // Start for any edge, in 128-bit arithmetic; out of line, so that the common case stays small
    // where it is inlined.
    [[gnu::noinline]] void StartWide(Int128 n, std::int64_t step) {
        const Int128 q = n == 0 ? 0 : CeilDiv(n, den);
        value = static_cast<std::int64_t>(q);
        rest = static_cast<std::int64_t>(q * den - n);
        const Int128 stepQuotient = CeilDiv(step, den);
        stepValue = static_cast<std::int64_t>(stepQuotient);
        stepRest = static_cast<std::int64_t>(stepQuotient * den - step);
    }

  public:
    // floor(n / den).
    std::int64_t Floor() const { return rest == 0 ? value : value - 1; }
    void Advance() {
        value += stepValue;
        rest += stepRest;
        // Without a branch: whether the rest wraps is as good as random along a slanted edge.
        const std::int64_t wraps = rest >= den;
        rest -= den & -wraps;
        value -= wraps;
    }
};

// A non-owning reference to a callable taking (y, x0, x1): one call per half-open row span.
class SpanSink {
  public:
    template <class Fn>
    requires(!std::is_same_v<std::remove_cvref_t<Fn>, SpanSink>)
        SpanSink(Fn&& fn)  // NOLINT(google-explicit-constructor): passed in place like a lambda
        : object_(const_cast<void*>(static_cast<const void*>(&fn))),
          call_([](void* object, int y, int x0, int x1) {
              (*static_cast<std::remove_reference_t<Fn>*>(object))(y, x0, x1);
          }) {}
    void operator()(int y, int x0, int x1) const { call_(object_, y, x0, x1); }

  private:
    void* object_;
    void (*call_)(void*, int, int, int);
};

// One non-horizontal edge, oriented downwards, with its crossing followed row by row. Left
// uninitialised until StartEdge, so that arrays of them cost nothing to set up.
struct ScanEdge {
    std::int64_t firstRow;  // first visible row that meets the edge
    std::int64_t endRow;    // one past the last such row
    std::int64_t topX;      // x of the upper end
    CeilStepper x;          // ceil of the crossing's offset from topX

    // The crossing on the current row, then on to the next row.
    std::int64_t TakeCrossing() {
        const std::int64_t crossing = topX + x.value;
        x.Advance();
        return crossing;
    }
};

// Prepares the non-horizontal edge a-b for the visible rows 0..height-1. The edge meets the rows from
// its upper end down to its lower end, the lower end included only when closed. False when it meets
// none of the visible rows.
[[gnu::always_inline]] inline bool StartEdge(CanvasPoint a, CanvasPoint b, int height, bool closed,
                                             ScanEdge& edge) {
    if (a.y > b.y) std::swap(a, b);
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    edge.firstRow = std::max<std::int64_t>(a.y, 0);
    edge.endRow = std::min<std::int64_t>(closed ? std::int64_t{b.y} + 1 : b.y, height);
    if (edge.firstRow >= edge.endRow) return false;
    edge.topX = a.x;
    edge.x.Start(Int128{edge.firstRow - a.y} * dx, dy, dx);
    return true;
}

// Exactly the spans ScanPolygon gives for three points, with the sink called directly. Every row of a
// triangle meets its long edge and one of the two others, so each row has one span between two crossings.
template <class Sink>
void ScanTriangle(const CanvasPoint* points, int width, int height, Sink&& sink) {
    if (width <= 0 || height <= 0) return;
    CanvasPoint top = points[0], middle = points[1], bottom = points[2];
    if (middle.y < top.y) std::swap(middle, top);
    if (bottom.y < middle.y) std::swap(bottom, middle);
    if (middle.y < top.y) std::swap(middle, top);
    ScanEdge longEdge, upper, lower;
    if (top.y == bottom.y || !StartEdge(top, bottom, height, false, longEdge)) return;
    auto emitRows = [&](ScanEdge& shortEdge, std::int64_t from, std::int64_t to) {
        for (std::int64_t y = from; y < to; ++y) {
            const std::int64_t a = longEdge.TakeCrossing();
            const std::int64_t b = shortEdge.TakeCrossing();
            const std::int64_t x0 = std::max<std::int64_t>(a < b ? a : b, 0);
            const std::int64_t x1 = std::min<std::int64_t>(a < b ? b : a, width);
            if (x0 < x1) sink(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
        }
    };
    if (top.y != middle.y && StartEdge(top, middle, height, false, upper))
        emitRows(upper, upper.firstRow, upper.endRow);
    if (middle.y != bottom.y && StartEdge(middle, bottom, height, false, lower))
        emitRows(lower, lower.firstRow, lower.endRow);
}

// The alternate-rule interior of a polygon as half-open spans [x0, x1), rows ascending, clipped to
// width x height. Nothing for fewer than two points.
void ScanPolygon(const CanvasPoint* points, int count, int width, int height, SpanSink sink);

// The closed triangle (interior and all three edges) as half-open spans, clipped; nothing when its
// corners are collinear. Neighbouring triangles overlap on their shared edge.
template <class Sink>
void ScanClosedTriangle(const CanvasPoint corners[3], int width, int height, Sink&& sink) {
    if (width <= 0 || height <= 0) return;
    const CanvasPoint a = corners[0];
    const CanvasPoint b = corners[1];
    const CanvasPoint c = corners[2];
    const Int128 area = Int128{std::int64_t{b.x} - a.x} * (std::int64_t{c.y} - a.y) -
                        Int128{std::int64_t{c.x} - a.x} * (std::int64_t{b.y} - a.y);
    if (area == 0) return;
    // Horizontal edges are left out: the other two edges meet that row at its ends.
    ScanEdge edges[3];
    int edgeCount = 0;
    std::int64_t rowBegin = height;
    std::int64_t rowEnd = 0;
    for (int i = 0; i < 3; ++i) {
        const CanvasPoint from = corners[i];
        const CanvasPoint to = corners[(i + 1) % 3];
        if (from.y == to.y || !StartEdge(from, to, height, true, edges[edgeCount])) continue;
        rowBegin = std::min(rowBegin, edges[edgeCount].firstRow);
        rowEnd = std::max(rowEnd, edges[edgeCount].endRow);
        ++edgeCount;
    }
    for (std::int64_t y = rowBegin; y < rowEnd; ++y) {
        std::int64_t low = INT64_MAX;
        std::int64_t high = INT64_MIN;
        for (int i = 0; i < edgeCount; ++i) {
            ScanEdge& edge = edges[i];
            if (y < edge.firstRow || y >= edge.endRow) continue;
            low = std::min(low, edge.topX + edge.x.value);
            high = std::max(high, edge.topX + edge.x.Floor());
            edge.x.Advance();
        }
        const std::int64_t x0 = std::max<std::int64_t>(low, 0);
        const std::int64_t x1 = std::min<std::int64_t>(high + 1, width);
        if (x0 < x1) sink(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
    }
}

// Appends y * width + x for each visible pixel of the line from a to b, leaving out b itself. Along
// the longer axis each step covers one pixel; across it the exact line is rounded, halves toward the
// smaller coordinate whichever way the line is drawn.
void AppendLinePixels(CanvasPoint a, CanvasPoint b, int width, int height, std::vector<std::uint32_t>& out);

// Appends a polyline that follows the cubic Bezier p0..p3 within a quarter pixel wherever the curve is
// visible: its points after p0 up to and including p3, each rounded to a pixel, a point equal to the
// one before it left out.
void FlattenBezier(const CanvasPoint p[4], int width, int height, std::vector<CanvasPoint>& out);

}  // namespace quarn::raster
