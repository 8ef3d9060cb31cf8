#include "geometry/face_polygons.hpp"

#include <map>
#include <string>

#include "geometry/solid_net.hpp"

namespace quarn {
namespace {

void CheckClosed(const MeshTopology& t) {
    if (t.Faces.empty()) throw NetError("the mesh has no faces to unfold");
    int open = 0, tangled = 0;
    for (const TopologyEdge& e : t.Edges) {
        if (e.FaceCount < 2) ++open;
        else if (!EdgeWoundConsistently(e)) ++tangled;
    }
    if (open > 0)
        throw NetError("the surface is not closed (" + std::to_string(open) +
                       " edges border only one face), so it has no net");
    if (tangled > 0)
        throw NetError("the surface is not a closed, consistently wound solid (" + std::to_string(tangled) +
                       " edges are shared wrongly), so it has no net");
}

// The corner loop of one face from its boundary edges, each run as the face's triangles run it.
std::vector<int> ChainBoundary(const std::map<int, int>& next, const SolidFaces& solid, int face) {
    std::vector<int> loop;
    const int start = next.begin()->first;
    int at = start;
    do {
        loop.push_back(at);
        const auto it = next.find(at);
        if (it == next.end() || loop.size() > next.size())
            throw NetError("face " + std::to_string(face + 1) + " is not one planar polygon");
        at = it->second;
    } while (at != start);
    if (loop.size() != next.size())
        throw NetError("face " + std::to_string(face + 1) + " is not one simple polygon (it has a hole)");
    std::vector<int> corners;
    for (const int v : loop)
        if (solid.Corner[v]) corners.push_back(v);
    if (corners.size() < 3) throw NetError("face " + std::to_string(face + 1) + " has fewer than three corners");
    return corners;
}

}  // namespace

SolidPolygons BuildFacePolygons(const SolidMesh& mesh) {
    SolidPolygons result;
    result.Topology = BuildMeshTopology(mesh);
    const MeshTopology& t = result.Topology;
    CheckClosed(t);
    result.Solid = MergeCoplanarFaces(t);
    result.InsideOut = SignedVolume(t) < 0;

    const SolidFaces& solid = result.Solid;
    std::vector<std::map<int, int>> next(solid.FaceCount);
    result.Faces.resize(solid.FaceCount);
    for (std::size_t f = 0; f < t.Faces.size(); ++f) {
        const int group = solid.FaceGroup[f];
        result.Faces[group].Triangles.push_back(int(f));
        result.Faces[group].Area += t.Areas[f];
        for (int k = 0; k < 3; ++k) {
            const TopologyEdge& e = t.Edges[t.FaceEdges[f][k]];
            const int other = e.Faces[0] == int(f) ? e.Faces[1] : e.Faces[0];
            if (solid.FaceGroup[other] == group) continue;
            int a = t.Faces[f][k], b = t.Faces[f][(k + 1) % 3];
            if (result.InsideOut) std::swap(a, b);
            if (!next[group].emplace(a, b).second)
                throw NetError("face " + std::to_string(group + 1) + " is not one simple polygon");
        }
    }
    std::map<std::pair<int, int>, std::pair<int, int>> edgeOf;  // directed corner pair -> face, edge
    for (int g = 0; g < solid.FaceCount; ++g) {
        FacePolygon& face = result.Faces[g];
        face.Corners = ChainBoundary(next[g], solid, g);
        Point3 normal;
        const int n = int(face.Corners.size());
        for (int i = 0; i < n; ++i) {
            const Point3& p = t.Points[face.Corners[i]];
            const Point3& q = t.Points[face.Corners[(i + 1) % n]];
            normal = normal + CrossProduct(p, q);
            edgeOf[{face.Corners[i], face.Corners[(i + 1) % n]}] = {g, i};
        }
        face.Normal = normal * (1 / LengthOf(normal));
    }
    for (const auto& [corners, at] : edgeOf) {
        if (corners.first > corners.second) continue;
        const auto other = edgeOf.find({corners.second, corners.first});
        if (other == edgeOf.end())
            throw NetError("the faces do not meet edge to edge (a vertex lies in the middle of an edge)");
        result.Edges.push_back({at.first, at.second, other->second.first, other->second.second,
                                LengthOf(t.Points[corners.first] - t.Points[corners.second])});
    }
    return result;
}

}  // namespace quarn
