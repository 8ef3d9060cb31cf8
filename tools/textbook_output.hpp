#pragma once
// orrin-render --textbook: the scene's visible meshes as a textbook line drawing in a vector file or
// a picture.

#include <optional>

#include "drawing/section_sheet.hpp"
#include "render_options.hpp"
#include "scene_sources.hpp"

namespace orrin {

// Draws the meshes in the view the options ask for and writes options.outputPng.
// A section, when given, is drawn in.
void WriteTextbookDrawing(const RenderOptions& options, const LoadedSolid& solid,
                          const std::optional<quarn::DrawnSection>& section = std::nullopt);

}  // namespace orrin
