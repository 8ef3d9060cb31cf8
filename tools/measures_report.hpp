#pragma once
// The measures of each mesh in orrin-render --info: counts, Euler characteristic, surface area, volume
// and, for a solid of the solid menu, the exact measures of the solid it stands for.

#include <string>

#include "json_writer.hpp"

namespace orrin {

// Remembers which solid of the menu the source named, so that its mesh is compared with the exact
// solid; any other source clears it.
void NoteMeasuredSource(const std::string& source);

// Writes "measures": {...} into the open object of the mesh.
void WriteMeshMeasures(JsonWriter& json, int mesh);

}  // namespace orrin
