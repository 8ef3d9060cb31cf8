#include "drawing/textbook_sheet.hpp"

#include <algorithm>

namespace quarn {
namespace {

// Space between the views, as a share of the largest view.
constexpr double kViewGap = 0.25;

}  // namespace

Box2 TextbookSheet::Bounds() const {
    Box2 box;
    for (const SheetItem& item : Items) {
        const auto add = [&](const Point2& p) { box.Add(p + item.Offset); };
        if (!item.Drawing.Extent.Empty())
            add({item.Drawing.Extent.MinX, item.Drawing.Extent.MinY}),
                add({item.Drawing.Extent.MaxX, item.Drawing.Extent.MaxY});
        for (const DrawnLine& line : item.Drawing.Lines)
            for (const Point2& p : line.Points) add(p);
        for (const VertexLabel& label : item.Drawing.Labels) add(label.At);
    }
    return box;
}

TextbookSheet MakeSingleViewSheet(LineDrawing drawing) {
    TextbookSheet sheet;
    sheet.Items.push_back({std::move(drawing), {}});
    return sheet;
}

TextbookSheet MakeThreeViewSheet(std::span<const SolidMesh> meshes, const DrawingOptions& options) {
    LineDrawing front = DrawSolidEdges(meshes, MakeTextbookView(ViewKind::Front), options);
    LineDrawing side = DrawSolidEdges(meshes, MakeTextbookView(ViewKind::Side), options);
    LineDrawing top = DrawSolidEdges(meshes, MakeTextbookView(ViewKind::Top), options);
    const Box2 f = front.Extent, s = side.Extent, t = top.Extent;
    TextbookSheet sheet;
    if (f.Empty()) {
        sheet.Items.push_back({std::move(front), {}});
        return sheet;
    }
    const double gap = kViewGap * std::max({f.Width(), f.Height(), s.Width(), t.Height()});
    // The front view keeps its coordinates. The side view shares its heights (both are world y), the
    // top view its widths (both are world x).
    const Point2 sideOffset{f.MaxX + gap - s.MinX, 0};
    const Point2 topOffset{0, f.MinY - gap - t.MaxY};
    sheet.Items.push_back({std::move(front), {}});
    sheet.Items.push_back({std::move(side), sideOffset});
    sheet.Items.push_back({std::move(top), topOffset});
    return sheet;
}

}  // namespace quarn
