#pragma once
// The scene store described as JSON: meshes, cameras, lights and, optionally, the last frame's draw list.

#include <ostream>

namespace orrin {

void WriteSceneReport(std::ostream& out, bool withDrawList);

}  // namespace orrin
