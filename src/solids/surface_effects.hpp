#pragma once
// Operations that deform or colour the faces of an existing mesh in place.

#include "math/color.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// Lays a circular wave about the mesh's own origin over it: every vertex gets
// y = amplitude / 2 * sin(d / (wavelength / 2 pi) + phase), d its distance from the origin.
// Either every vertex changes or, after a fault, none does.
void ApplyRipple(Index mesh, float wavelength, float amplitude, float phase);

// Colours each face by where the mean of its corners lies between the mesh's extremes on the axis
// (1 = x, 2 = y, 3 = z): colorLow at the lowest, colorHigh at the highest. Any other axis, or a mesh
// flat along the axis, gets colorLow everywhere. Every face gets the diffuse factor.
void ApplyAxisGradient(Index mesh, Index axis, const ColorRGB16& colorLow, const ColorRGB16& colorHigh,
                       float diffuse);

// A random colour and a random diffuse factor in [0, 1) for every face.
void RandomizeFaceColors(Index mesh);

}  // namespace quarn
