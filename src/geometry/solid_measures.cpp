#include "geometry/solid_measures.hpp"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"

namespace quarn {
namespace {

int CountStoredEdges(const SolidMesh& mesh) {
    std::unordered_set<std::uint64_t> edges;
    for (const auto& tri : mesh.Triangles)
        for (int k = 0; k < 3; ++k) {
            const int a = std::min(tri[k], tri[(k + 1) % 3]), b = std::max(tri[k], tri[(k + 1) % 3]);
            if (a >= 0 && a != b) edges.insert(std::uint64_t(a) << 32 | std::uint32_t(b));
        }
    return int(edges.size());
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + (n == 1 ? one : many);
}

void MeasureVolume(const MeshTopology& t, SolidMeasures& m) {
    if (t.Faces.empty()) {
        m.VolumeNote = "the mesh has no faces with an area";
    } else if (m.BoundaryEdges > 0) {
        m.VolumeNote =
            "the mesh is not closed: " + Plural(m.BoundaryEdges, " edge borders", " edges border") +
            " a single face";
    } else if (m.OverSharedEdges > 0) {
        m.VolumeNote = Plural(m.OverSharedEdges, " edge is", " edges are") + " shared by more than two faces";
    } else if (m.InconsistentEdges > 0) {
        m.VolumeNote =
            "the faces are not wound consistently along " + Plural(m.InconsistentEdges, " edge", " edges");
    } else {
        const double v = SignedVolume(t);
        m.Volume = std::fabs(v);
        if (v < 0) m.VolumeNote = "the faces are wound inward";
    }
}

}  // namespace

SolidMeasures MeasureSolid(const SolidMesh& mesh) {
    const MeshTopology topology = BuildMeshTopology(mesh);
    return MeasureSolid(mesh, topology, MergeCoplanarFaces(topology));
}

SolidMeasures MeasureSolid(const SolidMesh& mesh, const MeshTopology& t, const SolidFaces& solid) {
    SolidMeasures m;
    m.TriangleMesh = {int(mesh.Points.size()), CountStoredEdges(mesh), int(mesh.Triangles.size())};
    m.Solid = {solid.VertexCount, solid.EdgeCount, solid.FaceCount};
    m.EulerCharacteristic = solid.VertexCount - solid.EdgeCount + solid.FaceCount;
    m.DegenerateFaces = t.DegenerateFaces;
    for (const TopologyEdge& e : t.Edges) {
        m.BoundaryEdges += e.FaceCount == 1;
        m.OverSharedEdges += e.FaceCount > 2;
        m.InconsistentEdges += e.FaceCount == 2 && !EdgeWoundConsistently(e);
    }
    for (const double a : t.Areas) m.SurfaceArea += a;
    MeasureVolume(t, m);
    return m;
}

}  // namespace quarn
