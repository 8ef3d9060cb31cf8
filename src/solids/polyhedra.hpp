#pragma once
// Flat-faced solids of fixed shape: the box, the regular tetrahedron and the flat grid.

#include <cstdint>

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// Box from (0, 0, 0) to size; 8 vertices, 12 faces. Not centred.
Index CreateBox(const Vector3D& size);

// Regular tetrahedron about the origin whose corners lie at distance radius; 4 vertices, 4 faces.
Index CreateTetrahedron(float radius);

// Grid in y = 0 from (0, 0, 0) to (width, 0, depth) facing +y. Only twoSided = -1 means true; then
// every cell also gets its two faces reversed, facing -y.
Index CreateGridPlane(float width, float depth, Index columns, Index rows, std::int16_t twoSided);

}  // namespace quarn
