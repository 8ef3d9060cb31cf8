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

#include <cstdint>
#include <type_traits>
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
    if (IsNarrow(a) && IsNarrow(b)) {
        const auto a64 = static_cast<std::int64_t>(a);
        const auto b64 = static_cast<std::int64_t>(b);
        const std::int64_t q = a64 / b64;
        return (a64 % b64 != 0 && a64 < 0) ? q - 1 : q;
    }
    const Int128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
inline Int128 CeilDiv(Int128 a, Int128 b) { return -FloorDiv(-a, b); }

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
        const Int128 q = n == 0 ? 0 : CeilDiv(n, den);
        value = static_cast<std::int64_t>(q);
        rest = static_cast<std::int64_t>(q * den - n);
        const Int128 stepQuotient = CeilDiv(step, den);
        stepValue = static_cast<std::int64_t>(stepQuotient);
        stepRest = static_cast<std::int64_t>(stepQuotient * den - step);
    }
    // floor(n / den).
    std::int64_t Floor() const { return rest == 0 ? value : value - 1; }
    void Advance() {
        value += stepValue;
        rest += stepRest;
        if (rest >= den) {
            rest -= den;
            --value;
        }
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

// The alternate-rule interior of a polygon as half-open spans [x0, x1), rows ascending, clipped to
// width x height. Nothing for fewer than two points.
void ScanPolygon(const CanvasPoint* points, int count, int width, int height, SpanSink sink);

// The closed triangle (interior and all three edges) as half-open spans, clipped; nothing when its
// corners are collinear. Neighbouring triangles overlap on their shared edge.
void ScanClosedTriangle(const CanvasPoint corners[3], int width, int height, SpanSink sink);

// Appends y * width + x for each visible pixel of the line from a to b, leaving out b itself. Along
// the longer axis each step covers one pixel; across it the exact line is rounded, halves toward the
// smaller coordinate whichever way the line is drawn.
void AppendLinePixels(CanvasPoint a, CanvasPoint b, int width, int height, std::vector<std::uint32_t>& out);

// Appends a polyline that follows the cubic Bezier p0..p3 within a quarter pixel wherever the curve is
// visible: its points after p0 up to and including p3, each rounded to a pixel, a point equal to the
// one before it left out.
void FlattenBezier(const CanvasPoint p[4], int width, int height, std::vector<CanvasPoint>& out);

}  // namespace quarn::raster
