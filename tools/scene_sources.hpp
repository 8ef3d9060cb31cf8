#pragma once
// Puts a source into the scene the way the window does: a solid of the solid menu (cleared scene,
// built, centred, one colour with diffuse 0.5), a demonstration surface or chart, or a model file
// opened as the window opens the model named on its command line.

#include <optional>
#include <stdexcept>
#include <string>

#include "render_options.hpp"

namespace orrin {

// The source cannot be turned into a scene; the text says why, in one line.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds or loads the source into the scene store; CurrentMesh names the result (0 after a .3ds import).
// Returns the menu index when the source is a solid of the solid menu.
std::optional<int> LoadSource(const RenderOptions& options);

}  // namespace orrin
