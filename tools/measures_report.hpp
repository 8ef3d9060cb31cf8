#pragma once
// The measures of each mesh in orrin-render --info: counts, Euler characteristic, surface area, volume
// and, for a solid of the solid menu, the exact measures of the solid it stands for.

#include <optional>

#include "json_writer.hpp"

namespace orrin {

// Writes "measures": {...} into the open object of the mesh. menuSolid names the solid of the menu
// the current mesh was built as; that mesh is then compared with the exact solid.
void WriteMeshMeasures(JsonWriter& json, int mesh, std::optional<int> menuSolid);

}  // namespace orrin
