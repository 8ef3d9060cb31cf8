#pragma once
// The net of a polyhedron: its faces laid flat along the first customary layout that does not
// overlap, else the most compact of the searched cut trees, else in several pieces.

#include "geometry/face_polygons.hpp"
#include "geometry/solid_net.hpp"

namespace quarn {

// letterAngleDegrees: see NetSource::LetterFeatureAngleDegrees.
SolidNet UnfoldPolyhedron(const SolidPolygons& solid, double letterAngleDegrees);

}  // namespace quarn
