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
    const auto above = [&](int top, int base) {
        return std::fabs(t.Points[top].x - t.Points[base].x) <= tolerance &&
               std::fabs(t.Points[top].z - t.Points[base].z) <= tolerance;
    };

    std::vector<CornerName> names;
    int nextLetter = 0, subscript = 0;
    const std::vector<int>& base = levels[0];
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const std::vector<int>& level = levels[l];
        const bool prismTop = l > 0 && level.size() == base.size() &&
                              std::equal(level.begin(), level.end(), base.begin(), above);
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

}  // namespace quarn
