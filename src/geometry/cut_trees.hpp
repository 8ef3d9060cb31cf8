#pragma once
// Trees of folds to try for a polyhedron's net: the customary layouts of school solids first, then
// general searches for any convex polyhedron.

#include <string>
#include <vector>

#include "geometry/net_layout.hpp"

namespace quarn {

struct CandidateTree {
    CutTree Tree;
    std::string Name;  // "cross", "strip", "star", "steepest edge", "breadth first", "greedy"
    // For a customary layout: the fold turned to run along +x with its upper face above (-1: turn the
    // net to its most compact placing).
    int LevelEdge = -1;
    int UpperFace = -1;
};

// The customary layout when the solid is a prism, frustum or cuboid standing on a base (a strip of side
// faces with both bases on one of them) or has one face that meets every other (a pyramid's star).
std::vector<CandidateTree> CustomaryTrees(const SolidPolygons& solid);

// Steepest-edge cut trees for several directions, breadth first from the largest face, and the
// greedy join of the longest edges.
std::vector<CandidateTree> SearchTrees(const SolidPolygons& solid);

}  // namespace quarn
