// Polygon fill and outline, and the triangle scan used by the gradient fill.

#include <algorithm>

#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"
#include "platform/raster_ops.hpp"
#include "platform/reference_path.hpp"

namespace quarn {
namespace raster {

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

}  // namespace raster

void Canvas::Polygon(const CanvasPoint* points, int count) {
    if (points == nullptr || count < 2 || pixels_.empty()) return;
    if (brushStyle_ != kBrushHollow) {
        const std::uint32_t brush = PixelFromColor(brushColor_);
        const bool triangle = count == 3 && !ReferencePathInUse();
        raster::WithRop2(rasterMode_, [&](auto op) {
            auto span = [&](int y, int x0, int x1) { op.Span(Row(y) + x0, x1 - x0, brush); };
            if (triangle) {
                raster::ScanTriangle(points, width_, height_, span);
            } else {
                raster::ScanPolygon(points, count, width_, height_, span);
            }
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
