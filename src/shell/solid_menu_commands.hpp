#pragma once
// The two item arrays of the menu bar: the solids and the draw styles.

#include <functional>
#include <optional>

#include "math/color.hpp"
#include "platform/numeric.hpp"

namespace orrin {

// A solid was chosen: only its item is checked, every mesh is replaced by that solid, centred and
// painted one random colour, and a frame is asked for. The orbit is kept.
void mnuBasicOption_Click(quarn::Index index);

// A draw style was chosen (0 line drawing, 2 realistic): the check mark follows the camera's style.
void mnuDrawStyleOption_Click(quarn::Index index);

// What a solid choice does to the scene: the random generator reseeded, every mesh deleted, the solid of
// the menu index built, centred and painted (a random colour unless one is given) with diffuse 0.5.
// Returns the new CurrentMesh, 0 when the builder failed.
quarn::Index ReplaceSceneWithSolid(int menuIndex, std::optional<quarn::ColorRGB16> color = std::nullopt);
// The same with any builder that returns the new mesh or 0.
quarn::Index ReplaceSceneWithBuiltSolid(const std::function<quarn::Index()>& build,
                                        std::optional<quarn::ColorRGB16> color = std::nullopt);

// Deletes every mesh, keeping the current camera and light; CurrentMesh and the light marker, which
// went with the meshes, are forgotten, and in light mode the next frame builds the marker again.
void ClearAllMeshes();

// Keeps the meshes the window names (CurrentMesh, the light marker) pointing at the same meshes after the
// mesh in that slot was deleted and every later mesh moved down one slot; a name for the deleted mesh
// itself becomes 0.
void NoteMeshDeleted(quarn::Index deleted);

}  // namespace orrin
