#pragma once
// A net partly folded: t = 0 lies flat, t = 1 is the closed solid in its own place. A polyhedral net
// turns each fold by t times its angle about the face it hangs from (the lowest face of each piece
// stays where the solid has it); a cylinder's rectangle bends round circles of radius r/t, a cone's
// or frustum's sector rolls onto cones of the same slant, the discs turn about the point they touch,
// and a sphere's gores bend onto spheres of radius r/t.

#include "geometry/solid_net.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// The triangles of every face and part, moved to their folded place.
SolidMesh FoldNet(const SolidNet& net, double t);

// The folded net as a new mesh of the scene store, each triangle also wound the other way so that its
// inside shows while it is open; 0 after an engine error (the tables would overflow). Not coloured.
Index StoreFoldedNet(const SolidMesh& folded);

// The net's points at t in the order of its faces' or parts' Cover points.
std::vector<Point3> FoldNetPoints(const SolidNet& net, double t);

}  // namespace quarn
