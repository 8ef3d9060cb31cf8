#pragma once
// The one drawing list every sheet is made of: lines and curves drawn with a textbook's pens (visible,
// hidden, centre line, thin), lightly shaded areas, dots, vertex letters and texts, in sheet units with
// y up. The writers put it on a page through Cairo (SVG, PDF, PNG) or as a TikZ picture; a window
// shows it through the same Cairo code.

#include <optional>
#include <string>
#include <vector>

#include "geometry/point3.hpp"

namespace quarn {

// Visible edges solid; hidden edges dashed; centre lines (axes, symmetry) dash-dotted and thin; thin
// solid lines for what is not an edge of the solid (glue tabs, a scale bar, leader lines).
enum class Pen { Visible, Hidden, Centre, Thin };

struct PathStep {
    enum class Kind { MoveTo, LineTo, CurveTo, Close };
    Kind Step = Kind::MoveTo;
    Point2 To;
    Point2 Control1, Control2;  // of a cubic Bézier from the current point, for CurveTo
};

// One stroke of one pen; it may hold several pieces, each starting with a MoveTo.
struct SheetPath {
    explicit SheetPath(Pen pen = Pen::Visible) : Stroke(pen) {}

    Pen Stroke;
    std::vector<PathStep> Steps;

    SheetPath& MoveTo(const Point2& p);
    SheetPath& LineTo(const Point2& p);
    SheetPath& CurveTo(const Point2& control1, const Point2& control2, const Point2& p);
    SheetPath& Close();
    // A polyline as one piece.
    SheetPath& AddPolyline(const std::vector<Point2>& points);
};

// An area filled in one colour under the lines (a section's surface), even-odd.
struct SheetFill {
    std::vector<PathStep> Outline;
    double Red = 0.8, Green = 0.8, Blue = 0.8;
    double Opacity = 1;
};

// The language of a sheet's captions and notes.
enum class CaptionLanguage { Chinese, English };

enum class TextRole {
    Letter,   // a vertex letter: italic, with its subscript, set beside its point in the direction Away
    Caption,  // a view's or part's name under it, upright, centred on At
    Note,     // a smaller upright text (a measure, a scale, an edge number), centred on At
};

struct SheetText {
    TextRole Role = TextRole::Letter;
    std::string Text;       // UTF-8
    std::string Subscript;  // of a letter: "1" for A1
    Point2 At;
    Point2 Away{0, 1};  // of a letter: unit direction from At to the letter, clear of the lines there
    // Of a caption or note: set this many of its own lines below At, so that texts stacked under one
    // point keep clear of each other at whatever size the page draws the sheet.
    double LinesBelow = 0;
};

struct Sheet {
    std::vector<SheetFill> Fills;  // drawn first, then the paths in order, the dots and the texts
    std::vector<SheetPath> Paths;
    std::vector<Point2> Dots;  // small filled dots: a centre O, a chosen point
    std::vector<SheetText> Texts;
    Box2 Extent;  // what the sheet must show beyond its lines and texts (a solid's outline)
    // True scale: this many millimetres of paper for each sheet unit, the sheet centred on the page.
    // Without it the sheet is fitted into the page with a margin.
    std::optional<double> MillimetresPerUnit;

    // The extent, every point of the paths and fills (curves by their control points), the dots and
    // the texts' anchors.
    Box2 Bounds() const;
};

}  // namespace quarn
