#include "geometry/feature_edges.hpp"

#include <algorithm>
#include <numbers>

#include "geometry/solid_faces.hpp"

namespace quarn {

Point3 NeighbourNormal(const MeshTopology& topology, const TopologyEdge& edge) {
    const Point3& n = topology.Normals[edge.Faces[1]];
    return edge.Forward == 1 ? n : n * -1;
}

std::vector<EdgeKind> ClassifyEdges(const MeshTopology& topology, double featureAngleDegrees) {
    // Never below the coplanar limit: at angle 0 an edge is a feature exactly when it separates two
    // faces of the solid.
    const double cosLimit = std::min(std::cos(featureAngleDegrees * std::numbers::pi / 180), kCoplanarCos);
    std::vector<EdgeKind> kinds;
    kinds.reserve(topology.Edges.size());
    for (const TopologyEdge& e : topology.Edges) {
        if (e.FaceCount == 1) {
            kinds.push_back(EdgeKind::Boundary);
        } else if (e.FaceCount > 2) {
            kinds.push_back(EdgeKind::Feature);
        } else {
            const double cosAngle = DotProduct(topology.Normals[e.Faces[0]], NeighbourNormal(topology, e));
            kinds.push_back(cosAngle < cosLimit ? EdgeKind::Feature : EdgeKind::Smooth);
        }
    }
    return kinds;
}

}  // namespace quarn
