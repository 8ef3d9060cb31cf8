#pragma once
// Solids with a polygonal cross-section about the y axis: the right prism (the cylinder with many
// sides), the pyramid (the cone with many sides), the frustum between them and the wedge of a
// cylinder.

#include "platform/numeric.hpp"

namespace quarn {

// Right prism from y = 0 to y = height over a regular polygon whose corners lie at radius; its first
// corner is on +z and the corners run towards +x. 2 * sides + 2 vertices, 4 * sides faces.
Index CreatePrism(float radius, float height, Index sides);

// Frustum of a pyramid from y = 0 to y = height: the prism's grid with a top ring of topRadius.
// 2 * sides + 2 vertices, 4 * sides faces.
Index CreateFrustum(float bottomRadius, float topRadius, float height, Index sides);

// Pyramid with its base polygon in y = 0 and its apex at (0, height, 0); sides + 2 vertices, 2 * sides faces.
Index CreatePyramid(float radius, float height, Index sides);

// The part of a cylinder from y = 0 to y = height between two angles measured from +z towards +x.
// The ring has segments divisions; the first column within one step of each end angle is pulled onto
// it, and ring columns outside the sector collapse onto the axis.
Index CreateCylinderSector(float radius, float height, float startDegrees, float endDegrees, Index segments);

}  // namespace quarn
