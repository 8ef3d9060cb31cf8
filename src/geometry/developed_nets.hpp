#pragma once
// The development of a curved solid: the exact surface of the cylinder, cone, cone frustum, sphere or
// hemisphere the mesh stands for, unrolled into rectangles, sectors, annular sectors, discs and gores.
//
// Layouts (net coordinates): the cylinder's rectangle [0, 2πr] x [0, h] with its discs touching the
// middle of its long sides; the cone's and frustum's sector with its apex at the origin and its
// middle ray along -y, the base disc touching the outer arc and the top disc inside the inner arc;
// a sphere's gores side by side along y = 0 (the equator), the hemisphere's disc below their middle.

#include "geometry/solid_net.hpp"

namespace quarn {

// The solid's frame is read from the mesh (its box and its first vertex on the base rim); the arcs
// are traced through the angles of the mesh's rim vertices.
SolidNet DevelopSolid(const IdealSolid& solid, const SolidMesh& mesh);

// Whether the exact solid is curved and developed rather than unfolded face by face.
bool IsDevelopedShape(IdealShape shape);

}  // namespace quarn
