#include "worksheet/solid_facts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>
#include <utility>

#include "geometry/feature_edges.hpp"
#include "geometry/vertex_labels.hpp"
#include "worksheet/worksheet_language.hpp"

namespace orrin {

using namespace quarn;

namespace {

// The letters of a face's corners in order round the face, starting from the first letter and going
// on along its own level where it can, as a textbook names a face: ABCD, ABB1A1.
std::string NameByCorners(const SolidFacts& facts, const FaceFact& face) {
    const MeshTopology& t = facts.Topology;
    std::vector<int> corners;
    Point3 normal{0, 0, 0};
    for (const int f : face.Triangles) {
        normal = normal + t.Normals[f] * t.Areas[f];
        for (const int v : t.Faces[f])
            if (facts.Faces.Corner[v] && std::find(corners.begin(), corners.end(), v) == corners.end())
                corners.push_back(v);
    }
    if (corners.size() < 3) return {};
    for (const int v : corners)
        if (facts.CornerLetter[v].empty()) return {};
    Point3 centre{0, 0, 0};
    for (const int v : corners) centre = centre + t.Points[v];
    centre = centre * (1.0 / corners.size());
    // Two directions in the face's plane, and each corner's angle round the centre.
    const Point3 u0 = t.Points[corners[0]] - centre;
    const Point3 u = u0 * (1 / std::max(LengthOf(u0), 1e-12));
    const Point3 w = CrossProduct(normal * (1 / std::max(LengthOf(normal), 1e-12)), u);
    std::sort(corners.begin(), corners.end(), [&](int a, int b) {
        const Point3 pa = t.Points[a] - centre, pb = t.Points[b] - centre;
        return std::atan2(DotProduct(pa, w), DotProduct(pa, u)) < std::atan2(DotProduct(pb, w), DotProduct(pb, u));
    });
    // Letters of the base level come first, then by their letter: A, B, ..., A1, B1, ...
    const auto before = [&](int a, int b) {
        const std::string& x = facts.CornerLetter[a];
        const std::string& y = facts.CornerLetter[b];
        return std::make_pair(x.substr(1), x[0]) < std::make_pair(y.substr(1), y[0]);
    };
    std::rotate(corners.begin(), std::min_element(corners.begin(), corners.end(), before), corners.end());
    if (before(corners.back(), corners[1]))
        std::reverse(corners.begin() + 1, corners.end());
    std::string name;
    for (const int v : corners) name += facts.CornerLetter[v];
    return name;
}

void CollectFaces(SolidFacts& facts) {
    facts.FaceList.assign(facts.Faces.FaceCount, {});
    for (std::size_t f = 0; f < facts.Faces.FaceGroup.size(); ++f) {
        const int group = facts.Faces.FaceGroup[f];
        if (group < 0 || group >= facts.Faces.FaceCount) continue;
        facts.FaceList[group].Triangles.push_back(static_cast<int>(f));
        facts.FaceList[group].Area += facts.Topology.Areas[f];
    }
    for (std::size_t g = 0; g < facts.FaceList.size(); ++g) {
        FaceFact& face = facts.FaceList[g];
        face.Name = NameByCorners(facts, face);
        if (face.Name.empty()) face.Name = Say(facts.Language, "面 {}", "face {}", {std::to_string(g + 1)});
    }
}

void CollectEdges(SolidFacts& facts) {
    const MeshTopology& t = facts.Topology;
    for (std::size_t e = 0; e < t.Edges.size(); ++e) {
        if (!facts.Faces.EdgeCounted[e]) continue;
        const TopologyEdge& edge = t.Edges[e];
        EdgeFact fact;
        fact.A = edge.A;
        fact.B = edge.B;
        fact.Length = LengthOf(t.Points[edge.A] - t.Points[edge.B]);
        const std::string& a = facts.CornerLetter[edge.A];
        const std::string& b = facts.CornerLetter[edge.B];
        fact.Name = !a.empty() && !b.empty() ? (a < b ? a + b : b + a)
                                             : Say(facts.Language, "棱 {}", "edge {}",
                                                   {std::to_string(facts.EdgeList.size() + 1)});
        facts.EdgeList.push_back(fact);
    }
    std::sort(facts.EdgeList.begin(), facts.EdgeList.end(),
              [](const EdgeFact& x, const EdgeFact& y) { return x.Name.size() != y.Name.size() ? x.Name.size() < y.Name.size() : x.Name < y.Name; });
}

// The topology keeps the usable triangles in the mesh's order: walking both lists side by side pairs
// each mesh triangle with its topology face.
void MapMeshTriangles(SolidFacts& facts, const SolidMesh& mesh) {
    const MeshTopology& t = facts.Topology;
    facts.TriangleOfMeshFace.assign(mesh.Triangles.size(), -1);
    std::size_t next = 0;
    for (std::size_t i = 0; i < mesh.Triangles.size() && next < t.Faces.size(); ++i) {
        const auto& corners = mesh.Triangles[i];
        bool same = true;
        for (int k = 0; k < 3; ++k) {
            const int p = corners[k];
            same = same && p >= 0 && p < static_cast<int>(t.WeldedVertex.size()) &&
                   t.WeldedVertex[p] == t.Faces[next][k];
        }
        if (same) facts.TriangleOfMeshFace[i] = static_cast<int>(next++);
    }
    facts.PointOfWelded.assign(t.Points.size(), 0);
    for (std::size_t p = mesh.Points.size(); p-- > 0;) facts.PointOfWelded[t.WeldedVertex[p]] = static_cast<int>(p);
}

}  // namespace

std::string FormatNumber(double value) {
    if (std::abs(value) < 0.005) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

SolidFacts StudySolid(const SolidMesh& mesh, bool polyhedral, const std::optional<IdealSolid>& exact,
                      CaptionLanguage language) {
    SolidFacts facts;
    facts.Language = language;
    facts.Topology = BuildMeshTopology(mesh);
    facts.Faces = MergeCoplanarFaces(facts.Topology);
    facts.Measures = MeasureSolid(mesh, facts.Topology, facts.Faces);
    facts.CornerLetter.assign(facts.Topology.Points.size(), {});
    const double featureAngle = polyhedral ? 0 : kDefaultFeatureAngleDegrees;
    for (const CornerName& name :
         NamePolyhedronCorners(facts.Topology, facts.Faces, ClassifyEdges(facts.Topology, featureAngle)))
        facts.CornerLetter[name.Vertex] = CornerText(name);
    CollectFaces(facts);
    CollectEdges(facts);
    MapMeshTriangles(facts, mesh);
    facts.Exact = exact;
    if (exact) facts.Formulas = WorkIdealFormulas(*exact);
    return facts;
}

std::vector<LetteredCorner> LetteredCorners(const SolidFacts& facts) {
    std::vector<LetteredCorner> corners;
    for (std::size_t v = 0; v < facts.CornerLetter.size(); ++v)
        if (!facts.CornerLetter[v].empty()) corners.push_back({facts.CornerLetter[v], facts.Topology.Points[v]});
    return corners;
}

std::vector<PointChoice> SectionPointChoices(const SolidFacts& facts) {
    std::vector<PointChoice> choices;
    for (const std::string& letter : facts.CornerLetter)
        if (!letter.empty()) choices.push_back({letter, letter});
    std::sort(choices.begin(), choices.end(), [](const PointChoice& a, const PointChoice& b) {
        return std::make_pair(a.Text.substr(1), a.Text[0]) < std::make_pair(b.Text.substr(1), b.Text[0]);
    });
    for (const EdgeFact& edge : facts.EdgeList) {
        const std::string& a = facts.CornerLetter[edge.A];
        const std::string& b = facts.CornerLetter[edge.B];
        if (a.empty() || b.empty()) continue;
        choices.push_back({"mid(" + a + "," + b + ")", MidpointCaption(edge.Name, facts.Language)});
    }
    return choices;
}

std::string MidpointCaption(const std::string& edge, CaptionLanguage language) {
    return Say(language, "{}中点", "midpoint of {}", {edge});
}

std::string EulerLine(const ElementCounts& c) {
    return "V − E + F = " + std::to_string(c.Vertices) + " − " + std::to_string(c.Edges) + " + " +
           std::to_string(c.Faces) + " = " + std::to_string(c.Vertices - c.Edges + c.Faces);
}

namespace {

// True when the mesh is a faceted stand-in for a curved solid: its own edges and facets are not the
// solid's, and its measures only come near the exact ones.
bool StandsForCurvedSolid(const SolidFacts& facts) {
    if (!facts.Exact) return false;
    switch (facts.Exact->Shape) {
        case IdealShape::Sphere:
        case IdealShape::Hemisphere:
        case IdealShape::Cone:
        case IdealShape::Cylinder:
        case IdealShape::CylinderSector:
        case IdealShape::Torus:
        case IdealShape::ConeFrustum: return true;
        default: return false;
    }
}

// A worked formula as the language writes it: the Chinese textbook's S表 and S底 (surface and base
// area) are S and B in English.
std::string InLanguage(std::string formula, CaptionLanguage language) {
    if (language != CaptionLanguage::English) return formula;
    for (const auto& [chinese, english] : {std::pair{"S表", "S"}, std::pair{"S底", "B"}})
        for (std::size_t at; (at = formula.find(chinese)) != std::string::npos;)
            formula.replace(at, std::string_view(chinese).size(), english);
    return formula;
}

void AddExactFormulas(std::vector<std::string>& lines, const SolidFacts& facts) {
    if (!facts.Exact) return;
    const IdealMeasures exact = MeasureIdealSolid(*facts.Exact);
    if (!facts.Formulas.SurfaceArea.empty())
        lines.insert(lines.end(), {InLanguage(facts.Formulas.SurfaceArea, facts.Language),
                                   "  = " + FormatNumber(exact.SurfaceArea)});
    if (!facts.Formulas.Volume.empty() && exact.Volume)
        lines.insert(lines.end(), {InLanguage(facts.Formulas.Volume, facts.Language), "  = " + FormatNumber(*exact.Volume)});
}

// Names grouped by the value they share, in order of first appearance ("AB, BC, CD = 40"); a group
// longer than a dozen is counted, not listed.
template <typename Item, typename Value>
void AddGrouped(std::vector<std::string>& lines, const std::string& title, const std::vector<Item>& list, Value value) {
    constexpr std::size_t kMostNames = 12;
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const Item& item : list) {
        const std::string v = FormatNumber(value(item));
        auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == v; });
        if (it == groups.end()) it = groups.insert(groups.end(), {v, {}});
        it->second.push_back(item.Name);
    }
    if (!groups.empty()) lines.push_back(title);
    for (const auto& [v, names] : groups) {
        std::string line = "  ";
        if (names.size() > kMostNames) {
            line += std::to_string(names.size()) + " × " + v;
        } else {
            for (std::size_t i = 0; i < names.size(); ++i) line += (i ? ", " : "") + names[i];
            line += " = " + v;
        }
        lines.push_back(line);
    }
}

}  // namespace

std::vector<std::string> MeasureLines(const SolidFacts& facts) {
    std::vector<std::string> lines;
    const SolidMeasures& m = facts.Measures;
    const std::string counts = "V = " + std::to_string(m.Solid.Vertices) + ", E = " + std::to_string(m.Solid.Edges) +
                               ", F = " + std::to_string(m.Solid.Faces);
    if (StandsForCurvedSolid(facts)) {
        // The exact solid's measures first; the facets' edges and areas are not the solid's and are left
        // out, their counts and totals given as those of the model that stands for it.
        AddExactFormulas(lines, facts);
        lines.push_back(Say(facts.Language, "多面体近似模型：", "Faceted model:"));
        lines.insert(lines.end(), {"  " + counts, "  " + EulerLine(m.Solid), "  S ≈ " + FormatNumber(m.SurfaceArea)});
        if (m.Volume) lines.push_back("  V ≈ " + FormatNumber(*m.Volume));
        return lines;
    }
    lines.insert(lines.end(), {counts, EulerLine(m.Solid)});
    AddGrouped(lines, Say(facts.Language, "棱长", "Edge lengths"), facts.EdgeList, [](const EdgeFact& e) { return e.Length; });
    AddGrouped(lines, Say(facts.Language, "面积", "Face areas"), facts.FaceList, [](const FaceFact& f) { return f.Area; });
    lines.push_back("S = " + FormatNumber(m.SurfaceArea));
    lines.push_back(m.Volume ? "V = " + FormatNumber(*m.Volume) : Say(facts.Language, "V 无法求出：{}", "V: {}", {m.VolumeNote}));
    AddExactFormulas(lines, facts);
    return lines;
}

}  // namespace orrin
