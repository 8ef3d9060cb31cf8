#pragma once
// orrin-render --net: the solid's net as a sheet to print, as a partly folded mesh drawn as a frame,
// and as "net" in the --info JSON.

#include <optional>

#include "geometry/solid_net.hpp"
#include "json_writer.hpp"
#include "render_options.hpp"
#include "scene_sources.hpp"

namespace orrin {

// The net of the current mesh; writes the sheet, or puts the folded net in the scene in place of the
// solid when --fold asks for a frame.
quarn::SolidNet RunNet(const RenderOptions& options, const LoadedSolid& solid);

// True when the run writes its output file through the net sheet instead of a frame.
bool WritesNetSheet(const RenderOptions& options);

// "net": kind, faces (outline, vertices), folds, pieces, tabs; or parts; and the area.
void WriteNetReport(JsonWriter& json, const quarn::SolidNet& net);

}  // namespace orrin
