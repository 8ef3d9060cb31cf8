#pragma once
// Curves as a teacher draws them with the three pens of a solid's drawing: ellipse and circle arcs
// written as cubic Béziers, straight pieces, and the paths that collect them pen by pen.

#include "drawing/sheet.hpp"

namespace quarn {

// How far centre lines reach beyond the outline, as a share of the solid's larger size.
constexpr double kCentreLineOverhang = 0.06;

// The arc of the ellipse centre + (a cos t, b sin t) from t0 to t1 as one piece of cubic Béziers.
void AddEllipseArc(SheetPath& path, const Point2& centre, double a, double b, double t0, double t1);
void AddCircle(SheetPath& path, const Point2& centre, double r);
void AddSegment(SheetPath& path, const Point2& a, const Point2& b);

// The pens of one drawing, written hidden lines first, then visible lines, then centre lines.
struct Pens {
    SheetPath Visible{Pen::Visible}, Hidden{Pen::Hidden}, Centre{Pen::Centre};
    Sheet Out;

    // A letter beside `at`, set off in the direction `away` (any length).
    void Letter(const char* text, const char* subscript, const Point2& at, const Point2& away);
    Sheet Finish();
};

}  // namespace quarn
