#pragma once
// The faces, edges and vertices of a solid as a teacher counts them: neighbouring coplanar triangles
// form one face, an edge separates two such faces (or borders the surface), and a vertex is where
// edges meet at an angle; a vertex in the middle of a straight edge does not count.

#include <vector>

#include "geometry/mesh_topology.hpp"

namespace quarn {

// Two triangles whose normals meet at a cosine above this lie in one face. Float vertices put the
// normals of two triangles of one flat quad about 1e-7 apart; the facets of the finest curved solids
// differ by degrees.
inline constexpr double kCoplanarCos = 1 - 1e-8;

struct SolidFaces {
    std::vector<int> FaceGroup;     // per usable triangle: which solid face it belongs to
    std::vector<bool> EdgeCounted;  // per topology edge: part of an edge of the solid
    std::vector<bool> Corner;       // per welded vertex: a vertex of the solid
    int VertexCount = 0;
    int EdgeCount = 0;  // straight runs of counted edges count once
    int FaceCount = 0;
};

SolidFaces MergeCoplanarFaces(const MeshTopology& topology);

}  // namespace quarn
