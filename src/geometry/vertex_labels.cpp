#include "geometry/vertex_labels.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarn {
namespace {

constexpr int kLetterCount = 26;

// Angle seen from above, counter-clockwise from +x towards +z (front is -z), measured from a ray just
// before the front-left direction, so that the first vertex is the front-left one.
double TurnFromFrontLeft(const Point3& p) {
    const double start = -165 * std::numbers::pi / 180;
    double a = std::atan2(p.z, p.x) - start;
    while (a < 0) a += 2 * std::numbers::pi;
    return a;
}

bool IsPolyhedron(const SolidFaces& solid, const std::vector<EdgeKind>& kinds) {
    for (std::size_t e = 0; e < kinds.size(); ++e)
        if (solid.EdgeCounted[e] && kinds[e] == EdgeKind::Smooth) return false;
    return solid.VertexCount > 0;
}

}  // namespace

std::vector<CornerName> NamePolyhedronCorners(const MeshTopology& t, const SolidFaces& solid,
                                              const std::vector<EdgeKind>& kinds) {
    if (!IsPolyhedron(solid, kinds)) return {};
    std::vector<int> corners;
    Point3 centre;
    for (int v = 0; v < int(t.Points.size()); ++v)
        if (solid.Corner[v]) corners.push_back(v), centre = centre + t.Points[v];
    centre = centre * (1.0 / double(corners.size()));
    const double tolerance = 1e-4 * t.Size;
    const auto turn = [&](int v) { return TurnFromFrontLeft(t.Points[v] - centre); };
    std::sort(corners.begin(), corners.end(), [&](int a, int b) {
        const double ya = t.Points[a].y, yb = t.Points[b].y;
        if (std::fabs(ya - yb) > tolerance) return ya < yb;
        return turn(a) < turn(b);
    });

    // Split into levels of equal height, lowest first.
    std::vector<std::vector<int>> levels;
    for (const int v : corners) {
        if (levels.empty() || std::fabs(t.Points[v].y - t.Points[levels.back()[0]].y) > tolerance)
            levels.emplace_back();
        levels.back().push_back(v);
    }
    // A level over the base whose corners each lie in the direction of a base corner from the level's
    // centre: the top of a prism (directly above) or of a frustum (drawn in towards the axis).
    const auto levelCentre = [&](const std::vector<int>& level) {
        Point3 c;
        for (const int v : level) c = c + t.Points[v];
        return c * (1.0 / double(level.size()));
    };
    const auto alignedOver = [&](const std::vector<int>& level, const std::vector<int>& base) {
        const Point3 top = levelCentre(level), bottom = levelCentre(base);
        for (std::size_t k = 0; k < level.size(); ++k) {
            const Point3 &p = t.Points[level[k]], &q = t.Points[base[k]];
            const bool directlyAbove = std::fabs(p.x - q.x) <= tolerance && std::fabs(p.z - q.z) <= tolerance;
            const Point3 u = p - top, w = q - bottom;
            const double cross = u.x * w.z - u.z * w.x, dot = u.x * w.x + u.z * w.z;
            if (!directlyAbove && (dot <= 0 || std::fabs(cross) > tolerance * std::hypot(w.x, w.z))) return false;
        }
        return true;
    };

    std::vector<CornerName> names;
    int nextLetter = 0, subscript = 0;
    const std::vector<int>& base = levels[0];
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const std::vector<int>& level = levels[l];
        const bool prismTop = l > 0 && level.size() == base.size() && alignedOver(level, base);
        const bool apex = l > 0 && l + 1 == levels.size() && level.size() == 1;
        if (prismTop) {
            ++subscript;
            for (std::size_t k = 0; k < level.size(); ++k)
                names.push_back({level[k], char('A' + k), subscript});
        } else if (apex && nextLetter <= 'P' - 'A') {
            names.push_back({level[0], 'P', 0});
        } else {
            for (const int v : level) {
                if (nextLetter >= kLetterCount) return {};  // more corners than letters: leave them unnamed
                names.push_back({v, char('A' + nextLetter++), 0});
            }
        }
    }
    return names;
}

std::string CornerText(const CornerName& name) {
    return std::string(1, name.Letter) + (name.Subscript > 0 ? std::to_string(name.Subscript) : "");
}

std::vector<LetteredCorner> LetterSolidCorners(const SolidMesh& mesh, double featureAngleDegrees) {
    const MeshTopology topology = BuildMeshTopology(mesh);
    std::vector<LetteredCorner> corners;
    for (const CornerName& name : NamePolyhedronCorners(topology, MergeCoplanarFaces(topology),
                                                        ClassifyEdges(topology, featureAngleDegrees)))
        corners.push_back({CornerText(name), topology.Points[name.Vertex]});
    return corners;
}

}  // namespace quarn
