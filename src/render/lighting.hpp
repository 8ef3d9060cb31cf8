#pragma once
// Face colours: the lighting model for one point and the colour pass each draw style needs.

#include "math/color.hpp"
#include "math/vector3d.hpp"

namespace quarn {

// The colour of the face's material at world point p with normal n, lit by every enabled light:
// cosine diffuse, an optional reflection term, spot cones, optional distance attenuation, and an
// optional fade to the camera's DepthCueColor. Integer colour arithmetic, rounded at every scaling.
ColorRGB16 ShadePoint(const Vector3D& p, const Vector3D& n, int face, int camera);

// Fills FaceShades (styles 1, 2, 3) or VertexAccum and VertexShades (style 5) for the faces of the
// draw list, as the camera's DrawStyle needs them; other styles need no colours.
void ShadeFaces(int camera);

}  // namespace quarn
