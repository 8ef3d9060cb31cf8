#pragma once
// A sheet of textbook drawings in drawing units: one view, or the three orthographic views in the
// customary arrangement (front view top left, side view to its right at the same height, top view
// below the front view at the same width).

#include <span>
#include <vector>

#include "drawing/line_drawing.hpp"
#include "drawing/sheet.hpp"

namespace quarn {

struct SheetItem {
    LineDrawing Drawing;
    Point2 Offset;  // added to every point of the drawing
};

struct TextbookSheet {
    std::vector<SheetItem> Items;
};

TextbookSheet MakeSingleViewSheet(LineDrawing drawing);
TextbookSheet MakeThreeViewSheet(std::span<const SolidMesh> meshes, const DrawingOptions& options = {});

// The drawing list of the sheet: every item's hidden lines, then every item's visible lines, then the
// letters, each item's pieces in one path per pen.
Sheet ToSheet(const TextbookSheet& sheet);

}  // namespace quarn
