#include "geometry/plane_cut.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/mesh_topology.hpp"

namespace quarn {
namespace {

// Relative to the mesh's size: a corner this close to the plane lies in it. Float corners carry
// about 1e-7 of their size in error; a plane through letters computed from them does too.
constexpr double kOnPlaneTolerance = 1e-6;
// Three points whose turn has a sine below this lie on one line.
constexpr double kStraightSine = 1e-6;

// Where the section's points come from: a corner in the plane (node = its welded vertex) or an edge
// the plane crosses (node = vertex count + edge).
struct CutGraph {
    std::vector<Point3> Nodes;
    std::vector<std::pair<int, int>> Segments;
};

int ThirdCorner(const std::array<int, 3>& face, const TopologyEdge& edge) {
    for (const int v : face)
        if (v != edge.A && v != edge.B) return v;
    return face[0];
}

CutGraph CollectSegments(const MeshTopology& mesh, const std::vector<int>& side,
                         const std::vector<double>& distance) {
    const int vertices = int(mesh.Points.size());
    CutGraph graph;
    graph.Nodes.resize(vertices + mesh.Edges.size());
    for (int v = 0; v < vertices; ++v) graph.Nodes[v] = mesh.Points[v];
    const auto crossing = [&](int e) {
        const TopologyEdge& edge = mesh.Edges[e];
        const double t = distance[edge.A] / (distance[edge.A] - distance[edge.B]);
        graph.Nodes[vertices + e] = mesh.Points[edge.A] + (mesh.Points[edge.B] - mesh.Points[edge.A]) * t;
        return vertices + e;
    };
    const auto crosses = [&](int e) { return side[mesh.Edges[e].A] * side[mesh.Edges[e].B] < 0; };

    for (std::size_t f = 0; f < mesh.Faces.size(); ++f) {
        const auto& corners = mesh.Faces[f];
        const auto& edges = mesh.FaceEdges[f];
        int zeros = 0, zero = -1;
        for (int k = 0; k < 3; ++k)
            if (side[corners[k]] == 0) ++zeros, zero = k;
        if (zeros >= 2) continue;  // an edge or the whole face in the plane: the edge pass below
        int ends[2], count = 0;
        if (zeros == 1) ends[count++] = corners[zero];
        for (int k = 0; k < 3; ++k)
            if (crosses(edges[k])) ends[count++] = crossing(edges[k]);
        if (count == 2) graph.Segments.push_back({ends[0], ends[1]});
    }
    // An edge in the plane bounds the section when the solid lies on different sides of the plane at
    // its two faces, a face in the plane counting as a side of its own: between a face above and one
    // below it is a side of the cut, beside a face in the plane the rim of that face, and between two
    // faces on one side (the plane only touching) or two faces in the plane it is no side at all.
    for (const TopologyEdge& edge : mesh.Edges) {
        if (side[edge.A] != 0 || side[edge.B] != 0 || edge.FaceCount != 2) continue;
        const int s0 = side[ThirdCorner(mesh.Faces[edge.Faces[0]], edge)];
        const int s1 = side[ThirdCorner(mesh.Faces[edge.Faces[1]], edge)];
        if (s0 != s1) graph.Segments.push_back({edge.A, edge.B});
    }
    return graph;
}

// Walks the segments into closed chains of nodes; an end that does not close is left out.
std::vector<std::vector<int>> ChainSegments(const CutGraph& graph) {
    std::vector<int> start(graph.Nodes.size() + 1, 0);
    for (const auto& [a, b] : graph.Segments) ++start[a + 1], ++start[b + 1];
    for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
    std::vector<int> fill(start.begin(), start.end() - 1), incident(2 * graph.Segments.size());
    for (int s = 0; s < int(graph.Segments.size()); ++s)
        incident[fill[graph.Segments[s].first]++] = s, incident[fill[graph.Segments[s].second]++] = s;

    std::vector<bool> used(graph.Segments.size(), false);
    std::vector<std::vector<int>> loops;
    for (int first = 0; first < int(graph.Segments.size()); ++first) {
        if (used[first]) continue;
        used[first] = true;
        const int origin = graph.Segments[first].first;
        std::vector<int> loop{origin};
        int at = graph.Segments[first].second;
        while (at != origin) {
            loop.push_back(at);
            int next = -1;
            for (int k = start[at]; k < start[at + 1] && next < 0; ++k)
                if (!used[incident[k]]) next = incident[k];
            if (next < 0) break;
            used[next] = true;
            const auto& [a, b] = graph.Segments[next];
            at = a == at ? b : a;
        }
        if (at == origin && loop.size() >= 3) loops.push_back(std::move(loop));
    }
    return loops;
}

// Leaves out repeated points and points in the middle of a straight side.
std::vector<Point3> Simplify(std::vector<Point3> points, double tolerance) {
    bool changed = true;
    while (changed && points.size() >= 3) {
        changed = false;
        for (std::size_t k = 0; k < points.size() && points.size() >= 3; ++k) {
            const Point3& before = points[(k + points.size() - 1) % points.size()];
            const Point3& after = points[(k + 1) % points.size()];
            const Point3 in = points[k] - before, out = after - points[k];
            const double li = LengthOf(in), lo = LengthOf(out);
            const bool repeated = li <= tolerance;
            const bool straight = !repeated && lo > tolerance &&
                                  LengthOf(CrossProduct(in, out)) <= kStraightSine * li * lo &&
                                  DotProduct(in, out) > 0;
            if (repeated || straight) {
                points.erase(points.begin() + std::ptrdiff_t(k));
                changed = true;
                --k;
            }
        }
    }
    return points;
}

Point2 InPlane(const Point3& p, const Point3& u, const Point3& v) {
    return {DotProduct(p, u), DotProduct(p, v)};
}

bool Inside(const Point2& p, const std::vector<Point2>& polygon) {
    bool inside = false;
    for (std::size_t k = 0, j = polygon.size() - 1; k < polygon.size(); j = k++) {
        const Point2 &a = polygon[k], &b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

void Measure(SectionPolygon& polygon) {
    const std::size_t n = polygon.Points.size();
    polygon.Sides.clear(), polygon.Angles.clear();
    polygon.Perimeter = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const Point3 in = polygon.Points[k] - polygon.Points[(k + n - 1) % n];
        const Point3 out = polygon.Points[(k + 1) % n] - polygon.Points[k];
        polygon.Sides.push_back(LengthOf(out));
        polygon.Perimeter += polygon.Sides.back();
        const double turn = std::atan2(LengthOf(CrossProduct(in, out)), DotProduct(in, out));
        polygon.Angles.push_back(180 - turn * 180 / std::numbers::pi);
    }
}

}  // namespace

void PlaneAxes(const Point3& normal, Point3& u, Point3& v) {
    // The world axis least along the normal gives a well-conditioned first direction.
    const Point3 axis = std::fabs(normal.y) < 0.9 ? Point3{0, 1, 0} : Point3{1, 0, 0};
    v = axis - normal * DotProduct(axis, normal);
    v = v * (1 / LengthOf(v));
    u = CrossProduct(v, normal);
}

Section CutSolid(const SolidMesh& solid, const SectionPlane& plane) {
    return CutSolid(BuildMeshTopology(solid), plane);
}

Section CutSolid(const MeshTopology& mesh, const SectionPlane& plane) {
    Section section;
    section.Plane = plane;
    const double tolerance = kOnPlaneTolerance * std::max(mesh.Size, 1e-300);
    std::vector<double> distance(mesh.Points.size());
    std::vector<int> side(mesh.Points.size());
    bool touching = false;
    for (std::size_t v = 0; v < mesh.Points.size(); ++v) {
        distance[v] = PlaneDistance(plane, mesh.Points[v]);
        side[v] = distance[v] > tolerance ? 1 : distance[v] < -tolerance ? -1 : 0;
        touching |= side[v] == 0;
    }

    Point3 u, v;
    PlaneAxes(plane.Normal, u, v);
    const CutGraph graph = CollectSegments(mesh, side, distance);
    std::vector<std::vector<Point2>> flat;
    for (const std::vector<int>& loop : ChainSegments(graph)) {
        std::vector<Point3> points;
        for (const int node : loop) points.push_back(graph.Nodes[node]);
        points = Simplify(std::move(points), tolerance);
        if (points.size() < 3) continue;
        std::vector<Point2> inPlane;
        for (const Point3& p : points) inPlane.push_back(InPlane(p, u, v));
        double area = SignedArea(inPlane);
        if (std::fabs(area) <= tolerance * mesh.Size) continue;  // a sliver of the tolerance
        if (area < 0)
            std::reverse(points.begin(), points.end()), std::reverse(inPlane.begin(), inPlane.end());
        SectionPolygon polygon;
        polygon.Points = std::move(points);
        polygon.Area = std::fabs(area);
        Measure(polygon);
        section.Polygons.push_back(std::move(polygon));
        flat.push_back(std::move(inPlane));
    }
    for (std::size_t k = 0; k < flat.size(); ++k) {
        int depth = 0;
        for (std::size_t j = 0; j < flat.size(); ++j)
            if (j != k && Inside(flat[k][0], flat[j])) ++depth;
        SectionPolygon& polygon = section.Polygons[k];
        polygon.Hole = depth % 2 == 1;
        section.Area += polygon.Hole ? -polygon.Area : polygon.Area;
        section.Perimeter += polygon.Perimeter;
    }
    if (!section.Polygons.empty()) {
        section.Outcome = SectionOutcome::Cut;
    } else if (touching) {
        section.Outcome = SectionOutcome::Touch;
        bool alongEdge = false;
        for (const TopologyEdge& edge : mesh.Edges) alongEdge |= side[edge.A] == 0 && side[edge.B] == 0;
        section.Note = alongEdge ? "the plane only touches the solid along an edge: there is no section"
                                 : "the plane only touches the solid at a corner: there is no section";
    } else {
        section.Outcome = SectionOutcome::Miss;
        section.Note = "the plane misses the solid: there is no section";
    }
    return section;
}

}  // namespace quarn

namespace quarn {

std::vector<std::vector<std::string>> LetterSectionPoints(const Section& section,
                                                          std::span<const LetteredCorner> corners) {
    double size = 0;
    for (const SectionPolygon& polygon : section.Polygons)
        for (const Point3& p : polygon.Points)
            for (const Point3& q : polygon.Points) size = std::max(size, LengthOf(p - q));
    const double tolerance = kOnPlaneTolerance * 10 * size;
    std::string free;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool used = letter == 'O';
        for (const LetteredCorner& corner : corners) used |= corner.Name[0] == letter;
        if (!used) free += letter;
    }
    std::vector<std::pair<Point3, std::string>> named;
    for (const LetteredCorner& corner : corners) named.push_back({corner.At, corner.Name});
    std::size_t next = 0;
    std::vector<std::vector<std::string>> letters;
    for (const SectionPolygon& polygon : section.Polygons) {
        std::vector<std::string>& names = letters.emplace_back();
        for (const Point3& p : polygon.Points) {
            std::string name;
            for (const auto& [at, text] : named)
                if (LengthOf(at - p) <= tolerance) name = text;
            if (name.empty() && polygon.Points.size() <= kMostLetteredPoints) {
                // Past Z the letters go on with numbers: E1, F1, ...
                name = free.empty() ? "X" : std::string(1, free[next % free.size()]);
                if (next >= free.size()) name += std::to_string(next / free.size());
                ++next;
                named.push_back({p, name});
            }
            names.push_back(name);
        }
    }
    return letters;
}

}  // namespace quarn
