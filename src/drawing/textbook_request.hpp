#pragma once
// One textbook sheet asked for by what a caller chose (the command line, the worksheet window): which
// view, which letters, and how the solid's edges are found. Every program that draws a textbook sheet
// goes through MakeTextbookSheet, so the same choices give the same drawing list everywhere.

#include <optional>
#include <span>

#include "drawing/drawing_view.hpp"
#include "drawing/section_sheet.hpp"
#include "drawing/sheet.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct TextbookRequest {
    ViewKind View = ViewKind::Oblique;
    bool ThreeViews = false;  // the front, side and top views on one sheet; View is then ignored
    DrawingView OrbitView;    // the camera's view, used when View is Orbit
    bool Labels = false;      // letters at the corners of polyhedra
    bool Polyhedral = false;  // a polyhedron of many sides: every edge is drawn, however flat
    std::optional<DrawnSection> Section;  // drawn into a single view, with its true shape beside it
};

Sheet MakeTextbookSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request);

}  // namespace quarn
