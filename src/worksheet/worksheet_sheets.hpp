#pragma once
// The sheets of the worksheet's tabs, each one drawing list from the drawing layer: the oblique
// drawing and the three views through MakeTextbookSheet, with the hidden edges shown as chosen.

#include <span>
#include <string>
#include <vector>

#include "drawing/section_sheet.hpp"
#include "drawing/sheet.hpp"
#include "geometry/section_plane.hpp"
#include "geometry/solid_mesh.hpp"
#include "worksheet/worksheet_document.hpp"

namespace orrin {

// The textbook sheet of the tab (oblique or three views) for the meshes, as orrin-render draws it
// for the same choices; then hidden edges left out or drawn solid when the document asks for it.
quarn::Sheet MakeTextbookTabSheet(std::span<const quarn::SolidMesh> meshes, const WorksheetDocument& doc,
                                  const ShownSolid& placed,
                                  const std::optional<quarn::DrawnSection>& section = std::nullopt);

// The section plane the document chooses for the mesh: through three of its named points, or (for a
// solid without letters, or when the sliders moved it) across its middle, raised by Offset times half
// its height and tilted by Tilt degrees about the x axis. Throws SectionPlaneError for points that
// cannot be taken.
// The box round the points; both corners at the origin when there are none.
struct PointBox {
    quarn::Point3 Low, High;
    quarn::Point3 Middle() const { return (Low + High) * 0.5; }
};
PointBox BoxOf(const std::vector<quarn::Point3>& points);

quarn::SectionPlane ChosenPlane(const SectionChoice& choice, const quarn::SolidMesh& mesh,
                                std::span<const quarn::LetteredCorner> corners);

// A sheet that holds nothing but a centred note: what a tab says when it has nothing to draw.
quarn::Sheet MakeNoteSheet(const std::string& note);

}  // namespace orrin
