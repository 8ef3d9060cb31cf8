#pragma once
// orrin-render --section: the current solid cut by the plane of the command line, for the --info
// report and the textbook drawing.

#include <optional>

#include "drawing/section_sheet.hpp"
#include "json_writer.hpp"
#include "render_options.hpp"
#include "scene_sources.hpp"

namespace orrin {

// The cut of the current mesh (the only mesh when none is current); nothing without --section. A
// plane that cannot be taken is a UsageError; a plane that misses or only touches the solid gives
// an empty section and says so through the Ui.
std::optional<quarn::DrawnSection> CutSceneSolid(const RenderOptions& options, const LoadedSolid& solid);

// Writes "section": {...} into the open report object.
void WriteSectionReport(JsonWriter& json, const quarn::DrawnSection& section);

}  // namespace orrin
