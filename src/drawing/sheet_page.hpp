#pragma once
// Where a sheet lands on a page: the uniform scale and origin from sheet units (y up) to page units
// (y down), and the line width and font size the page takes. Every writer lays a sheet out through
// this, so that a PDF, a picture and a TikZ picture of one sheet agree.

#include "drawing/sheet.hpp"

namespace quarn {

// A page in points (1/72 inch); a picture has PixelsPerPoint pixels to the point.
struct PageSize {
    double Width = 0, Height = 0;
    double PixelsPerPoint = 1;
};

struct PageLayout {
    double Scale = 1, OriginX = 0, OriginY = 0;  // page units per sheet unit, and where 0, 0 lands
    double LineWidth = 1;                        // of the visible lines, in page units
    double FontSize = 10;                        // of the letters and captions, in page units

    Point2 Map(const Point2& p) const { return {OriginX + p.x * Scale, OriginY - p.y * Scale}; }
};

inline constexpr double kPointsPerMillimetre = 72 / 25.4;

// The size of a caption or note on the page, and where it is centred, in sheet units: At, lowered by
// its LinesBelow.
double TextSize(const PageLayout& page, TextRole role);
Point2 TextCentre(const PageLayout& page, const SheetText& text);

// width and height are the page in page units: pixels for a picture, points otherwise.
PageLayout LayOutSheet(const Sheet& sheet, double width, double height, double unitsPerPoint);

}  // namespace quarn
