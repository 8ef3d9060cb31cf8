#pragma once
// The letters a textbook puts at the vertices of a polyhedron: the base counter-clockwise seen from
// above from A, starting at the front left; a level above it with a vertex over each base vertex (the
// top of a prism) takes the same letters with subscript 1, 2, ...; other levels go on with the next
// letters, and a single apex is P.

#include <string>
#include <vector>

#include "geometry/feature_edges.hpp"
#include "geometry/solid_faces.hpp"

namespace quarn {

struct CornerName {
    int Vertex = 0;  // welded vertex
    char Letter = 'A';
    int Subscript = 0;  // 0: none
};

// Empty unless the mesh is a polyhedron: every edge of the solid is a feature or boundary edge.
std::vector<CornerName> NamePolyhedronCorners(const MeshTopology& topology, const SolidFaces& solid,
                                              const std::vector<EdgeKind>& kinds);

// "A", "C1": the name as it is typed.
std::string CornerText(const CornerName& name);

struct LetteredCorner {
    std::string Name;  // as CornerText
    Point3 At;
};

// The named corners of a mesh as the drawings name them, with edges sharper than the feature angle
// as its edges (0: every edge between two faces of the solid).
std::vector<LetteredCorner> LetterSolidCorners(const SolidMesh& mesh,
                                               double featureAngleDegrees = kDefaultFeatureAngleDegrees);

}  // namespace quarn
