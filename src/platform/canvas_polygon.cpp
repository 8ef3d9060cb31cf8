// Polygon fill and outline, and the triangle scan used by the gradient fill.

#include <algorithm>

#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"
#include "platform/raster_ops.hpp"

namespace quarn {
namespace raster {
namespace {

// One non-horizontal edge, oriented downwards, with its crossing followed row by row. Left
// uninitialised until StartEdge, so that arrays of them cost nothing to set up.
struct ScanEdge {
    std::int64_t firstRow;  // first visible row that meets the edge
    std::int64_t endRow;    // one past the last such row
    std::int64_t topX;      // x of the upper end
    CeilStepper x;          // ceil of the crossing's offset from topX
};

// Prepares the non-horizontal edge a-b for the visible rows 0..height-1. The edge meets the rows from
// its upper end down to its lower end, the lower end included only when closed. False when it meets
// none of the visible rows.
bool StartEdge(CanvasPoint a, CanvasPoint b, int height, bool closed, ScanEdge& edge) {
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

}  // namespace

void ScanPolygon(const CanvasPoint* points, int count, int width, int height, SpanSink sink) {
    if (points == nullptr || count < 2 || width <= 0 || height <= 0) return;
    // Triangles and other small polygons keep their edges and crossings on the stack.
    constexpr int kLocal = 8;
    ScanEdge localEdges[kLocal];
    std::int64_t localCrossings[kLocal];
    std::vector<ScanEdge> manyEdges;
    std::vector<std::int64_t> manyCrossings;
    ScanEdge* edges = localEdges;
    std::int64_t* crossings = localCrossings;
    if (count > kLocal) {
        manyEdges.resize(static_cast<std::size_t>(count));
        manyCrossings.resize(static_cast<std::size_t>(count));
        edges = manyEdges.data();
        crossings = manyCrossings.data();
    }
    int edgeCount = 0;
    std::int64_t rowBegin = height;
    std::int64_t rowEnd = 0;
    for (int i = 0; i < count; ++i) {
        const CanvasPoint a = points[i];
        const CanvasPoint b = points[i + 1 == count ? 0 : i + 1];
        ScanEdge& edge = edges[edgeCount];
        if (a.y == b.y || !StartEdge(a, b, height, false, edge)) continue;  // rows never meet it
        rowBegin = std::min(rowBegin, edge.firstRow);
        rowEnd = std::max(rowEnd, edge.endRow);
        ++edgeCount;
    }
    for (std::int64_t y = rowBegin; y < rowEnd; ++y) {
        int crossingCount = 0;
        for (int i = 0; i < edgeCount; ++i) {
            ScanEdge& edge = edges[i];
            if (y < edge.firstRow || y >= edge.endRow) continue;
            // Insertion keeps the crossings sorted; a row meets few edges.
            const std::int64_t x = edge.topX + edge.x.value;
            int at = crossingCount++;
            for (; at > 0 && crossings[at - 1] > x; --at) crossings[at] = crossings[at - 1];
            crossings[at] = x;
            edge.x.Advance();
        }
        for (int i = 0; i + 1 < crossingCount; i += 2) {
            const std::int64_t x0 = std::max<std::int64_t>(crossings[i], 0);
            const std::int64_t x1 = std::min<std::int64_t>(crossings[i + 1], width);
            if (x0 < x1) sink(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
        }
    }
}

void ScanClosedTriangle(const CanvasPoint corners[3], int width, int height, SpanSink sink) {
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

}  // namespace raster

void Canvas::Polygon(const CanvasPoint* points, int count) {
    if (points == nullptr || count < 2 || pixels_.empty()) return;
    if (brushStyle_ != kBrushHollow) {
        const std::uint32_t brush = PixelFromColor(brushColor_);
        raster::WithRop2(rasterMode_, [&](auto op) {
            raster::ScanPolygon(points, count, width_, height_,
                                [&](int y, int x0, int x1) { op.Span(Row(y) + x0, x1 - x0, brush); });
        });
    }
    if (penStyle_ == kPenNone) return;
    penScratch_.clear();
    for (int i = 0; i < count; ++i) {
        raster::AppendLinePixels(points[i], points[i + 1 == count ? 0 : i + 1], width_, height_, penScratch_);
    }
    ApplyPenPixels(penScratch_, true);
}

}  // namespace quarn
