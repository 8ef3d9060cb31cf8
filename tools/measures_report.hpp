#pragma once
// The measures of each mesh in orrin-render --info: counts, Euler characteristic, surface area, volume
// and, for a solid of the solid menu or of a family, the exact measures of the solid it stands for;
// for a family also its parameters, the worked formulas and the letters of its corners.

#include "json_writer.hpp"
#include "scene_sources.hpp"

namespace orrin {

// Writes "measures": {...} into the open object of the mesh. solid says what the current mesh was built
// as; that mesh is then compared with the exact solid.
void WriteMeshMeasures(JsonWriter& json, int mesh, const LoadedSolid& solid);

}  // namespace orrin
