#pragma once
// One textbook sheet asked for by what a caller chose (the command line, the worksheet window): which
// view, which letters, and how the solid's edges are found. Every program that draws a textbook sheet
// goes through MakeTextbookSheet, so the same choices give the same drawing list everywhere.
//
// A sheet is drawn as a teacher draws it unless AsBuilt asks for the mesh as it is: a solid of
// revolution from the exact solid it stands for (base circles as ellipses, true tangent outlines), a
// regular prism, pyramid or frustum turned so that the edge AB runs across the front, with the
// auxiliary lines of a textbook and the three views' captions.

#include <optional>
#include <span>

#include "drawing/drawing_view.hpp"
#include "drawing/section_sheet.hpp"
#include "drawing/sheet.hpp"
#include "geometry/ideal_solids.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct TextbookRequest {
    ViewKind View = ViewKind::Oblique;
    bool ThreeViews = false;  // the front, side and top views on one sheet; View is then ignored
    DrawingView OrbitView;    // the camera's view, used when View is Orbit
    bool Labels = false;      // letters at the corners of polyhedra and the centres of round solids
    bool Polyhedral = false;  // a polyhedron of many sides: every edge is drawn, however flat
    // The exact solid the one mesh stands for; without it the mesh's edges are drawn as they are.
    std::optional<IdealSolid> Exact;
    bool Auxiliary = true;  // axes, heights, base centres and centre lines
    CaptionLanguage Language = CaptionLanguage::Chinese;
    // The mesh's facets in the orientation it was built in, without captions or auxiliary lines: the
    // drawings as they were before solids were drawn as a teacher draws them.
    bool AsBuilt = false;
    std::optional<DrawnSection> Section;  // drawn into a single view, with its true shape beside it
};

Sheet MakeTextbookSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request);

}  // namespace quarn
