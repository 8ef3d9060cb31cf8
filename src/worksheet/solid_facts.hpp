#pragma once
// A placed solid as the measures panel and the pointer read it: the faces, edges and corners a
// teacher counts, each with its name ("ABCD", "AB", or a number where the solid has no letters), its
// area or length, and the mesh triangles it is made of.

#include <optional>
#include <string>
#include <vector>

#include "geometry/ideal_solids.hpp"
#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"
#include "geometry/solid_measures.hpp"
#include "geometry/vertex_labels.hpp"
#include "geometry/worked_formulas.hpp"
#include "worksheet/worksheet_language.hpp"

namespace orrin {

struct FaceFact {
    std::string Name;  // "ABCD", or "面 3" ("face 3")
    double Area = 0;
    std::vector<int> Triangles;  // topology faces
};

struct EdgeFact {
    std::string Name;  // "AB", or "棱 5" ("edge 5")
    double Length = 0;
    int A = 0, B = 0;  // welded vertices
};

struct SolidFacts {
    quarn::MeshTopology Topology;
    quarn::SolidFaces Faces;
    quarn::SolidMeasures Measures;
    std::vector<FaceFact> FaceList;
    std::vector<EdgeFact> EdgeList;         // the edges of the solid, one per topology edge counted
    std::vector<int> TriangleOfMeshFace;    // mesh triangle -> topology face, -1 when left out
    std::vector<int> PointOfWelded;         // welded vertex -> one mesh point
    std::vector<std::string> CornerLetter;  // per welded vertex, empty when unnamed
    std::optional<quarn::IdealSolid> Exact;
    quarn::WorkedFormulas Formulas;  // of Exact
    CaptionLanguage Language = CaptionLanguage::Chinese;  // of the names and the lines below
};

SolidFacts StudySolid(const quarn::SolidMesh& mesh, bool polyhedral, const std::optional<quarn::IdealSolid>& exact,
                      CaptionLanguage language);

// The lettered corners as a section plane through letters reads them.
std::vector<quarn::LetteredCorner> LetteredCorners(const SolidFacts& facts);

// A point a section plane may pass through: a corner ("A") or an edge's midpoint ("mid(A,B)",
// shown as "AB中点" or "midpoint of AB"), corners first in letter order.
struct PointChoice {
    std::string Text;     // as the plane is written
    std::string Caption;  // as the list shows it
};
std::vector<PointChoice> SectionPointChoices(const SolidFacts& facts);
// How the list names the middle of the edge of this name: "AB中点", "midpoint of AB".
std::string MidpointCaption(const std::string& edge, CaptionLanguage language);

// "V − E + F = 8 − 12 + 6 = 2"
std::string EulerLine(const quarn::ElementCounts& counts);

// The measures panel as lines of text in the facts' language, in the order a worksheet lists them; edge and face lists
// with the same value are grouped ("AB, BC, CD = 40").
std::vector<std::string> MeasureLines(const SolidFacts& facts);

// A number as a worksheet writes it: at most two decimals, no trailing zeros.
std::string FormatNumber(double value);

}  // namespace orrin
