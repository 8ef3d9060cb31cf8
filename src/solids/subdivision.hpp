#pragma once
// Refining the triangles of an existing mesh, and the geodesic sphere built that way. Both refinements
// first move the mesh to the end of the pools so that it can grow, so they return the mesh's new index;
// 0 means the mesh is gone ("Unable to allocate memory for mesh!" has been shown).

#include "platform/numeric.hpp"

namespace quarn {

// Each pass splits every face into four at its edge midpoints; shared midpoints are welded at the end.
Index SubdivideMidpoints(Index mesh, Index passes);

// Each pass splits every face into three about its centroid.
Index SubdivideCentroids(Index mesh, Index passes);

// The octahedron refined passes times, every vertex pushed out onto the sphere of the radius after each
// pass. Passes below 1 give the octahedron itself.
Index CreateGeodesicSphere(float radius, Index passes);

}  // namespace quarn
