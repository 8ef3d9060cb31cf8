#pragma once
// A section drawn on a textbook sheet: its outline in the solid's drawing (visible sides solid, the
// sides behind the solid's faces dashed, like the edges) over its lightly shaded surface, and beside
// the solid its true shape, flat and at the drawing's scale, with its points' letters, its name and
// its area.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drawing/drawing_view.hpp"
#include "drawing/sheet.hpp"
#include "geometry/exact_sections.hpp"
#include "geometry/plane_cut.hpp"
#include "geometry/section_shape.hpp"
#include "geometry/solid_mesh.hpp"
#include "geometry/vertex_labels.hpp"

namespace quarn {

struct DrawnSection {
    Section Cut;
    std::vector<std::vector<std::string>> Letters;  // per polygon and point, as LetterSectionPoints
    SectionShape Shape;             // of the exact section when there is one, else of the polygons
    std::optional<ExactCut> Exact;  // the exact solid's section, for a curved solid
};

// The solid's cut by the plane as a sheet draws it: lettered by the solid's corners and named, a
// curved solid's section by the exact solid's (when the mesh is placed as that solid is).
DrawnSection MakeDrawnSection(const SolidMesh& mesh, const SectionPlane& plane,
                              std::span<const LetteredCorner> corners, const std::optional<IdealSolid>& exact);

// Adds the section to a sheet drawn of the meshes in the view; a section without polygons adds only
// its note under the drawing.
void AddSectionToSheet(Sheet& sheet, std::span<const SolidMesh> meshes, const DrawingView& view,
                       const DrawnSection& section);

// The caption under the true shape: "截面：正六边形  S = 1200√3 ≈ 2078.46"; for a curved solid the
// exact shape with its measures and area, then the faceted section's area.
std::string SectionCaption(const DrawnSection& section);

}  // namespace quarn
