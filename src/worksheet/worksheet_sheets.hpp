#pragma once
// The sheets of the worksheet's tabs, each one drawing list from the drawing layer: the oblique
// drawing and the three views through MakeTextbookSheet, with the hidden edges shown as chosen.

#include <span>
#include <string>

#include "drawing/sheet.hpp"
#include "geometry/solid_mesh.hpp"
#include "worksheet/worksheet_document.hpp"

namespace orrin {

// The textbook sheet of the tab (oblique or three views) for the meshes, as orrin-render draws it
// for the same choices; then hidden edges left out or drawn solid when the document asks for it.
quarn::Sheet MakeTextbookTabSheet(std::span<const quarn::SolidMesh> meshes, const WorksheetDocument& doc,
                                  const PlacedSolid& placed);

// A sheet that holds nothing but a centred note: what a tab says when it has nothing to draw.
quarn::Sheet MakeNoteSheet(const std::string& note);

}  // namespace orrin
