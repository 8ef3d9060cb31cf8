#pragma once
// Which face of the last drawn frame lies under a point of the view.

#include "math/screen_point.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// True when p lies strictly inside the face's projected triangle, whose corners must run clockwise on
// the screen. Reads only ScreenVertices.
bool PointInFace(const ScreenPoint& p, int face);

// The draw-list face under p with the smallest sum of corner depths (the earlier one on a tie), or 0.
Index PickFace(const ScreenPoint& p);

}  // namespace quarn
