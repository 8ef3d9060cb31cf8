#pragma once
// The scene store described as JSON: meshes, cameras, lights, the messages of the run and, optionally,
// every mesh's vertices and faces and the last frame's draw list.

#include <optional>
#include <ostream>
#include <vector>

#include "drawing/section_sheet.hpp"
#include "geometry/solid_net.hpp"
#include "message_log.hpp"
#include "scene_sources.hpp"

namespace orrin {

struct SceneReportOptions {
    bool geometry = false;         // each mesh's vertex positions and faces: the store without loss
    bool drawList = false;         // the last frame's draw list
    LoadedSolid solid;             // what the current mesh was built as
    std::optional<quarn::DrawnSection> section;  // --section: the current mesh cut by the plane
    std::optional<quarn::SolidNet> net;  // --net
};

void WriteSceneReport(std::ostream& out, const SceneReportOptions& options,
                      const std::vector<LoggedMessage>& messages);

}  // namespace orrin
