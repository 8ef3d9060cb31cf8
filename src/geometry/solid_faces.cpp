#include "geometry/solid_faces.hpp"

#include <numeric>

#include "geometry/feature_edges.hpp"

namespace quarn {
namespace {

constexpr double kStraightCos = -1 + 1e-8;

int FindRoot(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

}  // namespace

SolidFaces MergeCoplanarFaces(const MeshTopology& t) {
    SolidFaces solid;
    const int faceCount = int(t.Faces.size());
    std::vector<int> parent(faceCount);
    std::iota(parent.begin(), parent.end(), 0);
    for (const TopologyEdge& e : t.Edges)
        if (e.FaceCount == 2 && DotProduct(t.Normals[e.Faces[0]], NeighbourNormal(t, e)) > kCoplanarCos)
            parent[FindRoot(parent, e.Faces[0])] = FindRoot(parent, e.Faces[1]);

    std::vector<int> groupOfRoot(faceCount, -1);
    solid.FaceGroup.resize(faceCount);
    for (int f = 0; f < faceCount; ++f) {
        int& group = groupOfRoot[FindRoot(parent, f)];
        if (group < 0) group = solid.FaceCount++;
        solid.FaceGroup[f] = group;
    }

    // Counted edges per vertex, with the direction of the first two, to find straight pass-throughs.
    std::vector<int> degree(t.Points.size(), 0);
    std::vector<Point3> firstDirection(t.Points.size());
    std::vector<bool> straight(t.Points.size(), false);
    solid.EdgeCounted.resize(t.Edges.size());
    for (std::size_t i = 0; i < t.Edges.size(); ++i) {
        const TopologyEdge& e = t.Edges[i];
        const bool counted = e.FaceCount != 2 || solid.FaceGroup[e.Faces[0]] != solid.FaceGroup[e.Faces[1]];
        solid.EdgeCounted[i] = counted;
        if (!counted) continue;
        ++solid.EdgeCount;
        for (const auto& [at, other] : {std::pair{e.A, e.B}, std::pair{e.B, e.A}}) {
            Point3 d = t.Points[other] - t.Points[at];
            d = d * (1 / LengthOf(d));
            if (++degree[at] == 1) firstDirection[at] = d;
            straight[at] = degree[at] == 2 && DotProduct(firstDirection[at], d) < kStraightCos;
        }
    }
    solid.Corner.resize(t.Points.size());
    for (std::size_t v = 0; v < t.Points.size(); ++v) {
        solid.Corner[v] = degree[v] > 0 && !straight[v];
        if (solid.Corner[v]) ++solid.VertexCount;
        if (straight[v]) --solid.EdgeCount;  // its two edges are one
    }
    return solid;
}

}  // namespace quarn
