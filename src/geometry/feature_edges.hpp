#pragma once
// Which edges of a mesh a teacher draws whatever the view: feature edges (the two faces meet at a
// dihedral angle above a threshold, or more than two faces meet) and boundary edges. The facets of a
// finely divided curved surface meet at small angles and are left smooth; their outline comes from
// the silhouette of each view.

#include <vector>

#include "geometry/mesh_topology.hpp"

namespace quarn {

enum class EdgeKind { Smooth, Feature, Boundary };

inline constexpr double kDefaultFeatureAngleDegrees = 30;

std::vector<EdgeKind> ClassifyEdges(const MeshTopology& topology, double featureAngleDegrees);

// The normal of the edge's second face as the first face sees it: turned round when the two faces
// wind the edge the same way, so that a badly wound model does not show creases between flat faces.
Point3 NeighbourNormal(const MeshTopology& topology, const TopologyEdge& edge);

}  // namespace quarn
