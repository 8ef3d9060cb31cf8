#pragma once
// One frame from the scene store to the view surface.

namespace quarn {

class Canvas;

// Draws the scene as the camera sees it: world transform, view transform, projection, the visible
// faces in painter's order, then the faces and marks in the camera's draw style. Does not clear the
// surface. Each engine error is shown at most once per frame. An EngineFault abandons the frame and
// travels on to the caller; the store stays consistent (a fault before drawing leaves the draw list
// empty, dirty flags stay set for whatever was not rebuilt) and the next frame starts afresh.
void RenderFrame(Canvas& surface, int camera);

}  // namespace quarn
