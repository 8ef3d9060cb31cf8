#pragma once
// The faces of a closed solid as polygons: each teacher's face (coplanar triangles merged) as its
// corners in order, counter-clockwise seen from outside, and which faces meet along which edge.

#include <vector>

#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"

namespace quarn {

struct FacePolygon {
    std::vector<int> Corners;    // welded vertices, counter-clockwise seen from outside
    std::vector<int> Triangles;  // the topology faces it is made of
    Point3 Normal;               // outward, unit
    double Area = 0;
};

// Edge EdgeA of face A (corner EdgeA to EdgeA + 1) is edge EdgeB of face B, run the other way.
struct FaceAdjacency {
    int FaceA = 0, EdgeA = 0;
    int FaceB = 0, EdgeB = 0;
    double Length = 0;
};

struct SolidPolygons {
    MeshTopology Topology;
    SolidFaces Solid;
    bool InsideOut = false;  // the triangles are wound inward; the polygons are turned round
    std::vector<FacePolygon> Faces;
    std::vector<FaceAdjacency> Edges;
};

// Throws NetError when the surface is not closed and consistently wound, or a face is not one
// simple polygon.
SolidPolygons BuildFacePolygons(const SolidMesh& mesh);

}  // namespace quarn
