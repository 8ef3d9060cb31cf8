#include "geometry/mesh_topology.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace quarn {
namespace {

// Positions compare bit for bit after folding -0 into +0: the builders write shared corners once, and
// model files repeat them with identical floats.
struct PositionKey {
    std::uint64_t x, y, z;
    bool operator==(const PositionKey&) const = default;
};

struct PositionHash {
    std::size_t operator()(const PositionKey& k) const {
        return std::hash<std::uint64_t>()(k.x * 0x9E3779B97F4A7C15ull ^ k.y * 0xC2B2AE3D27D4EB4Full ^ k.z);
    }
};

std::uint64_t Bits(double v) {
    v += 0.0;  // -0 -> +0
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

double BoxDiagonal(const std::vector<Point3>& points) {
    if (points.empty()) return 0;
    Point3 lo = points[0], hi = points[0];
    for (const Point3& p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    return LengthOf(hi - lo);
}

void WeldPoints(const SolidMesh& mesh, MeshTopology& t) {
    std::unordered_map<PositionKey, int, PositionHash> welded;
    t.WeldedVertex.reserve(mesh.Points.size());
    for (const Point3& p : mesh.Points) {
        const auto [it, added] = welded.try_emplace({Bits(p.x), Bits(p.y), Bits(p.z)}, int(t.Points.size()));
        if (added) t.Points.push_back(p);
        t.WeldedVertex.push_back(it->second);
    }
}

void CollectFaces(const SolidMesh& mesh, MeshTopology& t) {
    // Below this area a triangle has no usable normal; relative to the model so that units do not matter.
    const double minArea = 1e-12 * t.Size * t.Size;
    const int pointCount = int(mesh.Points.size());
    for (const auto& tri : mesh.Triangles) {
        std::array<int, 3> c{};
        bool valid = true;
        for (int k = 0; k < 3; ++k) {
            valid = valid && tri[k] >= 0 && tri[k] < pointCount;
            c[k] = valid ? t.WeldedVertex[tri[k]] : -1;
        }
        if (!valid || c[0] == c[1] || c[1] == c[2] || c[0] == c[2]) {
            ++t.DegenerateFaces;
            continue;
        }
        const Point3 n = CrossProduct(t.Points[c[1]] - t.Points[c[0]], t.Points[c[2]] - t.Points[c[0]]);
        const double doubleArea = LengthOf(n);
        if (!(doubleArea / 2 > minArea)) {
            ++t.DegenerateFaces;
            continue;
        }
        t.Faces.push_back(c);
        t.Normals.push_back(n * (1 / doubleArea));
        t.Areas.push_back(doubleArea / 2);
    }
}

void CollectEdges(MeshTopology& t) {
    std::unordered_map<std::uint64_t, int> index;
    index.reserve(t.Faces.size() * 2);
    t.FaceEdges.resize(t.Faces.size());
    for (int f = 0; f < int(t.Faces.size()); ++f) {
        for (int k = 0; k < 3; ++k) {
            const int from = t.Faces[f][k], to = t.Faces[f][(k + 1) % 3];
            const int a = std::min(from, to), b = std::max(from, to);
            const auto [it, added] =
                index.try_emplace(std::uint64_t(a) << 32 | std::uint32_t(b), int(t.Edges.size()));
            if (added) t.Edges.push_back({a, b});
            TopologyEdge& e = t.Edges[it->second];
            if (e.FaceCount < 2) e.Faces[e.FaceCount] = f;
            ++e.FaceCount;
            ++(from == a ? e.Forward : e.Backward);
            t.FaceEdges[f][k] = it->second;
        }
    }
}

}  // namespace

MeshTopology BuildMeshTopology(const SolidMesh& mesh) {
    MeshTopology t;
    t.Size = BoxDiagonal(mesh.Points);
    WeldPoints(mesh, t);
    CollectFaces(mesh, t);
    CollectEdges(t);
    return t;
}

// The signed volumes of the tetrahedra from a point near the mesh to each face, summed.
double SignedVolume(const MeshTopology& t) {
    Point3 centre;
    for (const Point3& p : t.Points) centre = centre + p;
    centre = centre * (1.0 / double(t.Points.size()));
    double sixfold = 0;
    for (const auto& f : t.Faces)
        sixfold += DotProduct(t.Points[f[0]] - centre,
                              CrossProduct(t.Points[f[1]] - centre, t.Points[f[2]] - centre));
    return sixfold / 6;
}

}  // namespace quarn
