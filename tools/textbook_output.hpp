#pragma once
// orrin-render --textbook: the scene's visible meshes as a textbook line drawing in a vector file or
// a picture.

#include "render_options.hpp"
#include "scene_sources.hpp"

namespace orrin {

// Draws the meshes in the view the options ask for and writes options.outputPng.
void WriteTextbookDrawing(const RenderOptions& options, const LoadedSolid& solid);

}  // namespace orrin
