#include "scene/mesh_edit.hpp"

#include <algorithm>
#include <array>
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

// The weld by direct scan: for n from the last vertex down, the first vertex i in ascending order that
// lies within the weld distance of n is removed in favour of n. When i lies below n the survivor moves
// to n - 1, which the loop examines next, so clusters of three or more collapse into one.
void WeldVerticesByScan(int mesh) {
    SceneStore& s = Scene();
    for (int n = RangeLast(s.Meshes[mesh].FirstVertex, s.Meshes[mesh].VertexCount); n >= s.Meshes[mesh].FirstVertex;
         --n) {
        const int first = s.Meshes[mesh].FirstVertex;
        const int last = RangeLast(first, s.Meshes[mesh].VertexCount);
        const Vector3D point = s.Vertices[n];
        for (int i = first; i <= last; ++i) {
            if (i != n && CloserThanWeldDistance(s.Vertices[i], point)) {
                RemoveVertex(i, n);
                break;
            }
        }
    }
}

// Grid cells four weld distances wide: two vertices that weld differ by less than one weld distance on
// every axis, a quarter of a cell. So on each axis a vertex can only have partners in its own cell or,
// near its lower edge, the one below, or near its upper edge, the one above; a vertex in the middle of
// its cell on every axis looks in its own cell only.
constexpr double kWeldCell = 4.0 * kWeldDistance;

struct WeldCell {
    long long x, y, z;
    friend auto operator<=>(const WeldCell&, const WeldCell&) = default;
};

// A vertex filed under its cell; sorting puts each cell's vertices together in ascending order.
struct WeldCellEntry {
    WeldCell cell;
    int id;
    friend auto operator<=>(const WeldCellEntry&, const WeldCellEntry&) = default;
};

// A cell coordinate and the neighbouring cell on that axis that can hold partners (-1, +1, or 0 for none).
struct CellSpan {
    long long cell;
    long long neighbour;
};

CellSpan WeldCellSpan(float c) {
    // Far-out coordinates share clamped cells; the exact distance test still decides.
    const double scaled = std::clamp(double(c) / kWeldCell, -1e15, 1e15);
    const double cell = std::floor(scaled);
    const double within = scaled - cell;  // a partner lies less than 0.25 (plus rounding) away
    return {static_cast<long long>(cell), within < 0.3 ? -1 : within > 0.7 ? 1 : 0};
}

// True when the grid weld can stand in for the scan: every coordinate is finite (the scan raises an
// arithmetic error on the others part-way) and no other mesh's run overlaps this one (the scan's
// RemoveVertex would act on that mesh).
bool GridWeldApplies(int mesh) {
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstVertex;
    const int last = RangeLast(first, m.VertexCount);
    for (int v = first; v <= last; ++v) {
        const Vector3D& p = s.Vertices[v];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    }
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        if (i == mesh) continue;
        const MeshRecord& other = s.Meshes[i];
        const bool overlaps = other.FirstVertex <= last && RangeLast(other.FirstVertex, other.VertexCount) >= first;
        if (other.VertexCount > 0 && overlaps) return false;
    }
    return true;
}

// The same weld as WeldVerticesByScan, found through a grid of cells instead of a scan of every vertex
// per vertex, then applied in one pass over the vertices and the faces. Vertices are named by their
// place in the original run (their order never changes); `into[u]` is the vertex u was welded into.
void WeldVerticesByGrid(int mesh) {
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstVertex;
    const int count = m.VertexCount;
    std::vector<Vector3D> points(static_cast<std::size_t>(count));
    std::vector<std::array<CellSpan, 3>> spans(static_cast<std::size_t>(count));
    std::vector<WeldCellEntry> byCell(static_cast<std::size_t>(count));  // sorted by cell, then ascending id
    for (int id = 0; id < count; ++id) {
        const Vector3D p = s.Vertices[first + id];
        const auto k = static_cast<std::size_t>(id);
        points[k] = p;
        spans[k] = {WeldCellSpan(p.x), WeldCellSpan(p.y), WeldCellSpan(p.z)};
        byCell[k] = {{spans[k][0].cell, spans[k][1].cell, spans[k][2].cell}, id};
    }
    std::sort(byCell.begin(), byCell.end());
    constexpr int kAlive = -1;
    std::vector<int> into(static_cast<std::size_t>(count), kAlive);
    const auto alive = [&](int id) { return into[static_cast<std::size_t>(id)] == kAlive; };

    // The lowest living vertex other than v within the weld distance of v, or -1.
    const auto lowestNeighbour = [&](int v) {
        const std::array<CellSpan, 3>& span = spans[static_cast<std::size_t>(v)];
        const Vector3D& point = points[static_cast<std::size_t>(v)];
        int lowest = -1;
        for (int corner = 0; corner < 8; ++corner) {
            if (((corner & 1) && span[0].neighbour == 0) || ((corner & 2) && span[1].neighbour == 0) ||
                ((corner & 4) && span[2].neighbour == 0))
                continue;
            const WeldCell cell{span[0].cell + ((corner & 1) ? span[0].neighbour : 0),
                                span[1].cell + ((corner & 2) ? span[1].neighbour : 0),
                                span[2].cell + ((corner & 4) ? span[2].neighbour : 0)};
            auto it = std::lower_bound(byCell.begin(), byCell.end(), WeldCellEntry{cell, -1});
            for (; it != byCell.end() && it->cell == cell; ++it) {
                if (lowest != -1 && it->id >= lowest) break;
                const Vector3D& candidate = points[static_cast<std::size_t>(it->id)];
                if (it->id != v && alive(it->id) && CloserThanWeldDistance(candidate, point)) {
                    lowest = it->id;
                    break;
                }
            }
        }
        return lowest;
    };

    int removed = 0;
    for (int v = count - 1; v >= 0;) {
        if (!alive(v)) {
            --v;
            continue;
        }
        const int u = lowestNeighbour(v);
        if (u == -1) {
            --v;
            continue;
        }
        into[static_cast<std::size_t>(u)] = v;
        ++removed;
        if (u > v) --v;  // a survivor below its partner is done; one above it is examined again
    }
    if (removed == 0) return;

    std::vector<Index> finalIndex(static_cast<std::size_t>(count));
    int next = first;
    for (int id = 0; id < count; ++id)
        if (alive(id)) finalIndex[static_cast<std::size_t>(id)] = static_cast<Index>(next++);
    for (int id = 0; id < count; ++id) {
        int root = id;
        while (!alive(root)) root = into[static_cast<std::size_t>(root)];
        finalIndex[static_cast<std::size_t>(id)] = finalIndex[static_cast<std::size_t>(root)];
    }
    for (int id = 0; id < count; ++id)
        if (alive(id)) s.Vertices[finalIndex[static_cast<std::size_t>(id)]] = points[static_cast<std::size_t>(id)];
    for (int v = next; v < first + count; ++v) s.Vertices[v] = Vector3D{};

    // Corners in the run follow their vertex; corners above it move down with every removal.
    const int last = first + count - 1;
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        FaceRecord& face = s.Faces[f];
        for (Index* corner : {&face.VertexA, &face.VertexB, &face.VertexC}) {
            if (*corner >= first && *corner <= last)
                *corner = finalIndex[static_cast<std::size_t>(*corner - first)];
            else if (*corner > last)
                *corner = static_cast<Index>(*corner - removed);
        }
    }
    m.VertexCount = static_cast<Index>(count - removed);
}

void WeldVertices(int mesh) {
    if (GridWeldApplies(mesh))
        WeldVerticesByGrid(mesh);
    else
        WeldVerticesByScan(mesh);
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
