#pragma once
// Solids laid on spherical coordinates about the y axis: the sphere (which with 4 segments and 2 rings
// is the octahedron), the dome over a flat disc, and the torus.

#include "platform/numeric.hpp"

namespace quarn {

// Sphere about the origin, poles on the y axis; segments divisions around, rings from pole to pole.
Index CreateSphere(float radius, Index segments, Index rings);

// Dome from the pole (0, radius, 0) down to the rim in y = 0, closed by a disc facing -y.
Index CreateHemisphere(float radius, Index segments, Index rings);

// Torus about the y axis, centred at the origin.
Index CreateTorus(float majorRadius, float minorRadius, Index segments, Index tubeSegments);

}  // namespace quarn
