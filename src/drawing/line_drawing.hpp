#pragma once
// A textbook line drawing of meshes in one view: the feature, boundary and silhouette edges, split into
// visible and hidden runs against the faces of every mesh, joined into polylines, in drawing units
// (y up). Optionally the vertices of polyhedra carry their letters.

#include <span>
#include <vector>

#include "drawing/drawing_view.hpp"
#include "geometry/feature_edges.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct DrawingOptions {
    double FeatureAngleDegrees = kDefaultFeatureAngleDegrees;
    bool Labels = false;
    // The corners take the letters they had before the solid was turned by this angle (radians, from
    // +x towards +z) about the vertical: a solid turned for the drawing keeps its names.
    double LetterTurn = 0;
};

// A visible or hidden piece of one edge.
struct EdgeRun {
    Point2 From, To;
    bool Visible = true;
    int Mesh = 0;  // position in the meshes given
    int Edge = 0;  // edge of that mesh's topology
};

struct DrawnLine {
    std::vector<Point2> Points;
    bool Visible = true;
};

struct VertexLabel {
    char Letter = 'A';
    int Subscript = 0;
    Point2 At;    // the vertex in the drawing
    Point2 Away;  // unit direction from the vertex to the letter, clear of the lines meeting there
};

struct LineDrawing {
    std::vector<EdgeRun> Runs;
    std::vector<DrawnLine> Lines;
    std::vector<VertexLabel> Labels;
    Box2 Extent;  // the projected solids, for placing views side by side
};

LineDrawing DrawSolidEdges(std::span<const SolidMesh> meshes, const DrawingView& view,
                           const DrawingOptions& options = {});

}  // namespace quarn
