#include "drawing/textbook_sheet.hpp"

#include <algorithm>

namespace quarn {
namespace {

// Space between the views, as a share of the largest view.
constexpr double kViewGap = 0.25;

}  // namespace

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

Sheet ToSheet(const TextbookSheet& textbook) {
    Sheet sheet;
    for (const SheetItem& item : textbook.Items) {
        const Box2& e = item.Drawing.Extent;
        if (!e.Empty()) sheet.Extent.Add(Point2{e.MinX, e.MinY} + item.Offset), sheet.Extent.Add(Point2{e.MaxX, e.MaxY} + item.Offset);
    }
    for (const bool visible : {false, true})
        for (const SheetItem& item : textbook.Items) {
            SheetPath& path = sheet.Paths.emplace_back(visible ? Pen::Visible : Pen::Hidden);
            for (const DrawnLine& line : item.Drawing.Lines) {
                if (line.Visible != visible) continue;
                for (std::size_t k = 0; k < line.Points.size(); ++k)
                    k == 0 ? path.MoveTo(line.Points[k] + item.Offset) : path.LineTo(line.Points[k] + item.Offset);
            }
        }
    for (const SheetItem& item : textbook.Items)
        for (const VertexLabel& label : item.Drawing.Labels)
            sheet.Texts.push_back({TextRole::Letter, std::string(1, label.Letter),
                                   label.Subscript > 0 ? std::to_string(label.Subscript) : "", label.At + item.Offset,
                                   label.Away});
    return sheet;
}

}  // namespace quarn
