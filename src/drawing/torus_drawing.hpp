#pragma once
// A ring torus drawn from the exact surface in the oblique drawing and the three views: its outline
// is where the surface turns edge-on to the projection direction, traced finely, solid where the
// viewer sees it and dashed where the tube passes in front of it (on the inner half, and at the
// cusps where the surface folds over its own outline).

#include "drawing/round_solids.hpp"

namespace quarn {

// The torus's outline; in the oblique drawing its centre O, in the three views, with the auxiliary
// lines, the axis and the tube's middle circle as centre lines. Its Extent is the outline.
Sheet DrawTorus(const RoundSolid& torus, ViewKind view, const RoundSolidLook& look);

}  // namespace quarn
