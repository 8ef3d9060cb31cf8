#pragma once
// The net of a solid: its surface cut open and laid flat in the plane, printed side (the outside) up.
// A polyhedron is unfolded face by face along a tree of folds; a curved solid is developed exactly
// (the cylinder's rectangle, the cone's sector, the frustum's annular sector, discs, a sphere's gores).
// Net coordinates are world units in the plane; every outline is counter-clockwise.
//
//   SolidNet net = UnfoldSolid({mesh, exact});   // throws NetError with a teacher's reason
//   SolidMesh folded = FoldNet(net, 0.5);         // half folded, in the solid's place (net_folding.hpp)
//   Sheet sheet = MakeNetSheet(net, options);     // drawing/net_sheet.hpp

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "geometry/ideal_solids.hpp"
#include "geometry/point3.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

// The solid has no net, or none can be made from this mesh; the text says why in one line.
class NetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class NetKind { Polyhedral, Developed };

// Triangles in the plane that cover a face or a part, for overlap tests and folding.
struct FlatTriangles {
    std::vector<Point2> Points;
    std::vector<std::array<int, 3>> Triangles;
};

// A face of a polyhedron laid flat. The net point p stands for Origin + p.x·AxisX + p.y·AxisY.
struct NetFace {
    std::vector<Point2> Outline;  // the face's corners
    std::vector<Point3> Corners;  // the solid's vertex each corner stands for
    std::vector<int> Vertices;    // welded vertex of each corner
    std::vector<std::string> Names;  // the corner's letter ("A", "A1"), empty when it has none
    FlatTriangles Cover;
    int Piece = 0;
    int Parent = -1;      // the face it hangs from by a fold; -1 for the first face of a piece
    Point3 Origin, AxisX, AxisY;
};

// Outline edge Edge of face Face: from corner Edge to corner Edge + 1.
struct NetEdge {
    int Face = 0;
    int Edge = 0;
};

// Two faces joined by a fold; Angle turns the second face about the fold from flat to closed.
struct NetFold {
    NetEdge A, B;
    double Angle = 0;  // radians, the exterior angle between the faces (π minus the dihedral angle)
};

// Two outline edges (or arcs) that meet in the solid: cut apart, glued together again.
struct NetCut {
    NetEdge A, B;  // for developed nets Face is the part
    int Number = 0;  // 1, 2, ...: the same number is written on both
    std::array<Point2, 2> EdgeA{}, EdgeB{};  // the two sides in the net, each from start to end
};

enum class PartShape { Rectangle, Sector, AnnularSector, Disc, Gore };

// A part of a developed net with the numbers that describe it and its outline traced finely.
struct NetPart {
    PartShape Shape = PartShape::Rectangle;
    double Width = 0, Height = 0;                 // rectangle; a gore's width at its middle and length
    double Radius = 0, InnerRadius = 0, Angle = 0;  // sector, annular sector, disc (Angle in radians)
    Point2 Centre;                                 // of a sector's or disc's circle; a gore's middle
    bool Top = false;                              // the disc of a cylinder's or frustum's top
    std::vector<Point2> Outline;
    FlatTriangles Cover;
};

// A glue tab on one side of a cut, outside the face it belongs to.
struct NetTab {
    std::vector<Point2> Outline;  // foot, out, out, foot: the foot runs along the edge it is glued from
    // The outline edges its foot lies on: Edges edges from Edge of a face (or a part).
    int Face = -1, Part = -1;
    int Edge = 0, Edges = 1;
    int Number = 0;  // the cut's number; 0 for the small tabs round a disc's rim
    Point2 Label;    // where its number is written
};

// Where a developed solid stands in the world: base centre (a sphere's centre), its axis, and the
// horizontal direction from the axis to the point of the surface the parts hang from.
struct DevelopedFrame {
    IdealSolid Solid;
    Point3 Base;
    Point3 Up{0, 1, 0};
    Point3 Toward{0, 0, -1};
    int Gores = 0;
};

struct SolidNet {
    NetKind Kind = NetKind::Polyhedral;
    std::vector<NetFace> Faces;  // polyhedral
    std::vector<NetFold> Folds;
    std::vector<NetCut> Cuts;
    std::vector<NetPart> Parts;  // developed
    DevelopedFrame Frame;
    std::vector<NetTab> Tabs;  // after AddGlueTabs
    int Pieces = 1;
    bool Approximate = false;  // gores: a sphere has no exact net
    std::string Layout;        // "cross", "strip", "star", "steepest edge", ... or the developed solid
    double Area = 0;
};

struct NetSource {
    SolidMesh Mesh;
    // The exact solid the mesh stands for when it is to be developed rather than unfolded facet by
    // facet: a cylinder, cone, cone frustum, sphere or hemisphere. Leave it out for a polyhedron and
    // for a faceted solid that is meant as one (the geodesic sphere).
    std::optional<IdealSolid> Exact;
    // Edges sharper than this are edges of the solid when its corners are lettered, as the textbook
    // drawing of the same solid letters them (0 for a polyhedron: every edge between faces).
    double LetterFeatureAngleDegrees = 30;
};

// The net of the solid. Refuses (NetError) a mesh that is not closed, a face that is not one planar
// polygon, and exact solids that have no net (the torus, a flat square, the cylinder sector).
SolidNet UnfoldSolid(const NetSource& source);

// Every outline edge of every face and every tab, drawn as the corners they join.
Box2 NetBounds(const SolidNet& net);

}  // namespace quarn
