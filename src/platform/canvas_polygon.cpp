// Polygon fill and outline, and the triangle scan used by the gradient fill.

#include <algorithm>

#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"
#include "platform/raster_ops.hpp"

namespace quarn {
namespace raster {
namespace {

// One non-horizontal edge, oriented downwards, with its crossing followed row by row.
struct ScanEdge {
    std::int64_t firstRow;  // first visible row that meets the edge
    std::int64_t endRow;    // one past the last such row
    std::int64_t topX;      // x of the upper end
    CeilStepper x;          // ceil of the crossing's offset from topX
};

// Prepares the non-horizontal edge a-b for the visible rows [rowBegin, rowEnd). The edge meets the
// rows from its upper end down to its lower end, the lower end included only when closed. False when
// it meets none of the visible rows.
bool StartEdge(CanvasPoint a, CanvasPoint b, std::int64_t rowBegin, std::int64_t rowEnd, bool closed,
               ScanEdge& edge) {
    if (a.y > b.y) std::swap(a, b);
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    edge.firstRow = std::max<std::int64_t>(a.y, rowBegin);
    edge.endRow = std::min<std::int64_t>(closed ? std::int64_t{b.y} + 1 : b.y, rowEnd);
    if (edge.firstRow >= edge.endRow) return false;
    edge.topX = a.x;
    edge.x.Start(Int128{edge.firstRow - a.y} * dx, dy, dx);
    return true;
}

}  // namespace

void ScanPolygon(const CanvasPoint* points, int count, int width, int height, SpanSink sink) {
    if (points == nullptr || count < 2 || width <= 0 || height <= 0) return;
    thread_local std::vector<ScanEdge> edges;
    thread_local std::vector<std::int64_t> crossings;
    edges.clear();
    std::int64_t rowBegin = height;
    std::int64_t rowEnd = 0;
    for (int i = 0; i < count; ++i) {
        const CanvasPoint a = points[i];
        const CanvasPoint b = points[i + 1 == count ? 0 : i + 1];
        ScanEdge edge;
        if (a.y == b.y || !StartEdge(a, b, 0, height, false, edge)) continue;  // rows never meet it
        edges.push_back(edge);
        rowBegin = std::min(rowBegin, edge.firstRow);
        rowEnd = std::max(rowEnd, edge.endRow);
    }
    for (std::int64_t y = rowBegin; y < rowEnd; ++y) {
        crossings.clear();
        for (ScanEdge& edge : edges) {
            if (y < edge.firstRow || y >= edge.endRow) continue;
            crossings.push_back(edge.topX + edge.x.value);
            edge.x.Advance();
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const std::int64_t x0 = std::max<std::int64_t>(crossings[i], 0);
            const std::int64_t x1 = std::min<std::int64_t>(crossings[i + 1], width);
            if (x0 < x1) sink(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
        }
    }
}

void ScanClosedTriangle(const CanvasPoint corners[3], int width, int height, SpanSink sink) {
    if (width <= 0 || height <= 0) return;
    const auto coordinate = [&](int i, bool y) { return std::int64_t{y ? corners[i].y : corners[i].x}; };
    const Int128 area = Int128{coordinate(1, false) - coordinate(0, false)} * (coordinate(2, true) - coordinate(0, true)) -
                        Int128{coordinate(2, false) - coordinate(0, false)} * (coordinate(1, true) - coordinate(0, true));
    if (area == 0) return;
    // Horizontal edges are left out: the other two edges meet that row at its ends.
    ScanEdge edges[3];
    int edgeCount = 0;
    std::int64_t rowBegin = height;
    std::int64_t rowEnd = 0;
    for (int i = 0; i < 3; ++i) {
        const CanvasPoint a = corners[i];
        const CanvasPoint b = corners[(i + 1) % 3];
        if (a.y == b.y || !StartEdge(a, b, 0, height, true, edges[edgeCount])) continue;
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
            raster::ScanPolygon(points, count, width_, height_, [&](int y, int x0, int x1) {
                op.Span(Row(y) + x0, x1 - x0, brush);
            });
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
