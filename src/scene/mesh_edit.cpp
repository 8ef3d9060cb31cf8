#include "scene/mesh_edit.hpp"

#include <cmath>
#include <vector>

#include "math/vector3d.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// The mesh whose vertex (or face) run holds the slot, or 0.
template <class RunContains>
int OwningMesh(RunContains contains) {
    const SceneStore& s = Scene();
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i)
        if (contains(i)) return i;
    return 0;
}

// Drops the faces of the mesh that match, keeping the order of the rest and zeroing the freed tail;
// the same result as deleting them one by one from the last to the first.
template <class Predicate>
void RemoveFacesWhere(int mesh, Predicate doomed) {
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstFace;
    const int last = RangeLast(m.FirstFace, m.FaceCount);
    int kept = first;
    for (int f = first; f <= last; ++f) {
        const FaceRecord face = s.Faces[f];
        if (doomed(face)) continue;
        s.Faces[kept++] = face;
    }
    for (int f = kept; f <= last; ++f) s.Faces[f] = FaceRecord{};
    m.FaceCount = static_cast<Index>(kept - first);
}

bool CloserThanWeldDistance(const Vector3D& a, const Vector3D& b) {
    // A cheap rejection first: points apart by more than twice the distance on one axis cannot weld.
    constexpr double kFar = 2.0 * kWeldDistance;
    if (std::fabs(double(a.x) - b.x) > kFar || std::fabs(double(a.y) - b.y) > kFar ||
        std::fabs(double(a.z) - b.z) > kFar)
        return false;
    return VectorDistance(a, b) < kWeldDistance;
}

void WeldVertices(int mesh) {
    SceneStore& s = Scene();
    for (int n = RangeLast(s.Meshes[mesh].FirstVertex, s.Meshes[mesh].VertexCount); n >= s.Meshes[mesh].FirstVertex;
         --n) {
        const int first = s.Meshes[mesh].FirstVertex;
        const int last = RangeLast(first, s.Meshes[mesh].VertexCount);
        const Vector3D point = s.Vertices[n];
        for (int i = first; i <= last; ++i) {
            if (i != n && CloserThanWeldDistance(s.Vertices[i], point)) {
                // When i is below n the survivor moves to n - 1, which the loop examines next.
                RemoveVertex(i, n);
                break;
            }
        }
    }
}

void RemoveUnreferencedVertices(int mesh) {
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstVertex;
    const int last = RangeLast(first, m.VertexCount);
    if (last < first) return;
    // Removing vertex b only renumbers vertices above b, which are already done, so the references
    // counted once before the loop stay right for every vertex still to visit.
    std::vector<bool> used(static_cast<std::size_t>(last - first + 1), false);
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        for (const int corner : {s.Faces[f].VertexA, s.Faces[f].VertexB, s.Faces[f].VertexC})
            if (corner >= first && corner <= last) used[static_cast<std::size_t>(corner - first)] = true;
    }
    for (int b = last; b >= first; --b)
        if (!used[static_cast<std::size_t>(b - first)]) RemoveVertex(b, 0);
}

}  // namespace

void DeleteFace(int face) {
    const int mesh = OwningMesh([face](int i) { return FaceInMesh(face, i); });
    if (mesh == 0) return;
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh];
    const int last = RangeLast(m.FirstFace, m.FaceCount);
    for (int f = face; f < last; ++f) s.Faces[f] = s.Faces[f + 1];
    s.Faces[last] = FaceRecord{};
    m.FaceCount = static_cast<Index>(m.FaceCount - 1);
}

void RemoveVertex(int vertex, int replacement) {
    const int mesh = OwningMesh([vertex](int i) { return VertexInMesh(vertex, i); });
    if (mesh == 0) return;
    SceneStore& s = Scene();
    {
        MeshRecord& m = s.Meshes[mesh];
        const int last = RangeLast(m.FirstVertex, m.VertexCount);
        for (int v = vertex; v < last; ++v) s.Vertices[v] = s.Vertices[v + 1];
        s.Vertices[last] = Vector3D{};
        m.VertexCount = static_cast<Index>(m.VertexCount - 1);
    }
    for (int f = RangeLast(s.Meshes[mesh].FirstFace, s.Meshes[mesh].FaceCount); f >= s.Meshes[mesh].FirstFace; --f) {
        if (FaceUsesVertex(vertex, f)) {
            if (replacement == 0) {
                DeleteFace(f);
                continue;
            }
            FaceRecord& face = s.Faces[f];
            for (Index* corner : {&face.VertexA, &face.VertexB, &face.VertexC})
                if (*corner == vertex) *corner = static_cast<Index>(replacement);
        }
        FaceRecord& face = s.Faces[f];
        for (Index* corner : {&face.VertexA, &face.VertexB, &face.VertexC})
            if (*corner > vertex) --*corner;
    }
}

void CleanMesh(int mesh) {
    if (!MeshExists(mesh)) return;
    WeldVertices(mesh);
    RemoveUnreferencedVertices(mesh);
    const MeshRecord& m = Scene().Meshes[mesh];
    const int first = m.FirstVertex;
    const int last = RangeLast(first, m.VertexCount);
    RemoveFacesWhere(mesh, [first, last](const FaceRecord& f) {
        auto outside = [first, last](int corner) { return corner < first || corner > last; };
        return outside(f.VertexA) || outside(f.VertexB) || outside(f.VertexC);
    });
    RemoveFacesWhere(mesh, [](const FaceRecord& f) {
        return f.VertexA == f.VertexB || f.VertexB == f.VertexC || f.VertexC == f.VertexA;
    });
    RemoveFacesWhere(mesh, [](const FaceRecord& f) { return f.VertexA == 0 || f.VertexB == 0 || f.VertexC == 0; });
}

}  // namespace quarn
