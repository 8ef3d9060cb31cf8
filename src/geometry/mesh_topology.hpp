#pragma once
// The connectivity of a triangle mesh: vertices welded by position (so that seams and split corners
// join), the usable faces with their unit normals, and every edge with the faces that use it.

#include <array>
#include <vector>

#include "geometry/point3.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct TopologyEdge {
    int A = 0;  // welded vertices, A < B
    int B = 0;
    int FaceCount = 0;
    std::array<int, 2> Faces{-1, -1};  // the first two faces that use the edge
    int Forward = 0;                   // uses as A -> B in a face's corner order
    int Backward = 0;
};

struct MeshTopology {
    std::vector<int> WeldedVertex;  // point index -> welded vertex
    std::vector<Point3> Points;     // per welded vertex
    // Faces with three distinct welded corners and a non-zero area, in the mesh's order.
    std::vector<std::array<int, 3>> Faces;
    std::vector<Point3> Normals;  // unit, per face
    std::vector<double> Areas;
    std::vector<std::array<int, 3>> FaceEdges;  // edge of corners (0,1), (1,2), (2,0)
    std::vector<TopologyEdge> Edges;
    int DegenerateFaces = 0;  // left out: repeated or missing corners, or no area
    double Size = 0;          // diagonal of the bounding box of the points
};

MeshTopology BuildMeshTopology(const SolidMesh& mesh);

// The two faces of a manifold edge agree in winding when they use it in opposite directions.
inline bool EdgeWoundConsistently(const TopologyEdge& e) {
    return e.FaceCount == 2 && e.Forward == 1;
}

// The volume a closed mesh's faces enclose, positive when they face outward; the mesh has points.
double SignedVolume(const MeshTopology& topology);

}  // namespace quarn
