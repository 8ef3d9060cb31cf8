#pragma once
// One pass of the frame loop's drawing: the caption count, the camera or the light on its orbit, the
// view cleared and the scene rendered. The loop itself belongs to the front end, which runs a frame
// step whenever FrameWanted() says so, after the events already queued.

namespace orrin {

// The loop is running, something asked for a redraw, and no frame step is under way.
bool FrameWanted();

// Draws one frame onto Picture1 and clears NeedsRedraw first, so a frame that fails is not retried
// until something changes again. Does nothing when called inside another frame step.
void FrameStep();

}  // namespace orrin
