#pragma once
// Laying a solid's faces flat along a tree of folds, and the exact overlap test a net must pass.

#include <vector>

#include "geometry/face_polygons.hpp"
#include "geometry/solid_net.hpp"

namespace quarn {

// A tree of folds: for each face the adjacency (index into SolidPolygons::Edges) it hangs from, or -1
// for the root of a piece.
struct CutTree {
    std::vector<int> ParentEdge;
    int Root = 0;
};

// The faces laid flat, each face unfolded about the fold it hangs from, in one frame per piece; the
// root of each piece placed with its first edge along x.
std::vector<NetFace> LayOutFaces(const SolidPolygons& solid, const CutTree& tree);

// True when the interiors of the two triangle sets overlap by more than tolerance (triangles that only
// share edges or corners do not).
bool CoversOverlap(const FlatTriangles& a, const FlatTriangles& b, double tolerance);
bool ConvexOverlap(const std::vector<Point2>& a, const std::vector<Point2>& b, double tolerance);

// True when two faces of one piece overlap.
bool FacesOverlap(const std::vector<NetFace>& faces, double tolerance);

// Turns and moves the whole layout in the plane: p -> rotation by angle, then + shift.
void MoveFaces(std::vector<NetFace>& faces, double angle, const Point2& shift);

Box2 FacesBounds(const std::vector<NetFace>& faces);

}  // namespace quarn
