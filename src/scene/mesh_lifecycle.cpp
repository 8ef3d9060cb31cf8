#include "scene/mesh_lifecycle.hpp"

#include "scene/engine_error.hpp"
#include "scene/scene_store.hpp"
#include "scene/slot_search.hpp"

namespace quarn {
namespace {

// Copies a run of vertices and faces of one mesh to new slots, moving face corners by vertexShift.
void CopyRuns(int fromVertex, int vertexCount, int toVertex, int fromFace, int faceCount, int toFace,
              int vertexShift) {
    SceneStore& s = Scene();
    for (int k = 0; k < vertexCount; ++k) s.Vertices[toVertex + k] = s.Vertices[fromVertex + k];
    for (int k = 0; k < faceCount; ++k) {
        FaceRecord face = s.Faces[fromFace + k];
        face.VertexA = CheckedAdd16(face.VertexA, vertexShift);
        face.VertexB = CheckedAdd16(face.VertexB, vertexShift);
        face.VertexC = CheckedAdd16(face.VertexC, vertexShift);
        s.Faces[toFace + k] = face;
    }
}

}  // namespace

bool MeshExists(int mesh) {
    const SceneStore& s = Scene();
    return mesh >= s.MeshSlots.First && mesh >= 1 && mesh <= RangeLast(s.MeshSlots);
}

Index CreateMesh(int vertexCount, int faceCount) {
    const Index slot = NextMeshSlot();
    const Index v = FindFreeVertexRange(vertexCount);
    const Index f = FindFreeFaceRange(faceCount);
    if (slot == 0 || v == 0 || f == 0) {
        ShowEngineError(kMeshAllocationError);
        return 0;
    }
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[slot];
    m.FirstVertex = v;
    m.VertexCount = static_cast<Index>(vertexCount);
    m.FirstFace = f;
    m.FaceCount = static_cast<Index>(faceCount);
    m.Scale = OnesVector();
    m.MatrixDirty = true;
    m.Visible = true;
    s.MeshSlots.Count = CheckedAdd16(s.MeshSlots.Count, 1);
    return slot;
}

void DeleteMesh(int mesh) {
    if (!MeshExists(mesh)) return;
    SceneStore& s = Scene();
    const int last = RangeLast(s.MeshSlots);
    for (int j = s.MeshSlots.First; j <= last; ++j) {
        if (j == mesh) continue;
        Index& parent = s.Meshes[j].Parent;
        if (parent == 0) continue;
        if (parent == mesh) parent = 0;
        if (parent > mesh) --parent;
    }
    for (int j = mesh; j < last; ++j) s.Meshes[j] = std::move(s.Meshes[j + 1]);
    s.Meshes[last] = MeshRecord{};
    s.MeshSlots.Count = CheckedSub16(s.MeshSlots.Count, 1);
}

void DeleteMeshesExcept(int keep) {
    const SceneStore& s = Scene();
    for (int i = RangeLast(s.MeshSlots); i >= s.MeshSlots.First; --i)
        if (i != keep) DeleteMesh(i);
}

Index CopyMesh(int mesh) {
    if (!MeshExists(mesh)) return 0;
    SceneStore& s = Scene();
    const Index copy = CreateMesh(s.Meshes[mesh].VertexCount, s.Meshes[mesh].FaceCount);
    if (copy == 0) return 0;
    const MeshRecord& src = s.Meshes[mesh];
    MeshRecord& dst = s.Meshes[copy];
    CopyRuns(src.FirstVertex, src.VertexCount, dst.FirstVertex, src.FirstFace, src.FaceCount, dst.FirstFace,
             dst.FirstVertex - src.FirstVertex);
    const Index firstVertex = dst.FirstVertex, firstFace = dst.FirstFace;
    dst = src;
    dst.FirstVertex = firstVertex;
    dst.FirstFace = firstFace;
    return copy;
}

Index RepackMesh(int mesh) {
    const Index copy = CopyMesh(mesh);
    if (copy == 0) return 0;
    DeleteMesh(mesh);
    return static_cast<Index>(copy - 1);
}

Index RepackMeshWhereRoom(int mesh) {
    if (!MeshExists(mesh)) return 0;
    const MeshRecord& m = Scene().Meshes[mesh];
    // The three searches CreateMesh makes: when they all succeed the copy cannot fail.
    const bool copyFits =
        NextMeshSlot() != 0 && FindFreeVertexRange(m.VertexCount) != 0 && FindFreeFaceRange(m.FaceCount) != 0;
    return copyFits ? RepackMesh(mesh) : static_cast<Index>(mesh);
}

Index MoveMeshToEnd(int mesh) {
    if (!MeshExists(mesh)) return 0;
    const Index moved = CreateMesh(0, 0);
    if (moved == 0) return 0;
    SceneStore& s = Scene();
    const MeshRecord& src = s.Meshes[mesh];
    const int dv = s.Meshes[moved].FirstVertex - src.FirstVertex;
    const int df = s.Meshes[moved].FirstFace - src.FirstFace;
    const bool fits = RangeLast(src.FirstVertex, src.VertexCount) + dv <= kTableCapacity &&
                      RangeLast(src.FirstFace, src.FaceCount) + df <= kTableCapacity;
    if (!fits) {
        // Nothing is left behind: neither the empty new mesh nor the source.
        ShowEngineError(kMeshAllocationError);
        DeleteMesh(moved);
        DeleteMesh(mesh);
        return 0;
    }
    CopyRuns(src.FirstVertex, src.VertexCount, src.FirstVertex + dv, src.FirstFace, src.FaceCount,
             src.FirstFace + df, dv);
    MeshRecord& dst = s.Meshes[moved];
    dst = src;
    dst.FirstVertex = static_cast<Index>(src.FirstVertex + dv);
    dst.FirstFace = static_cast<Index>(src.FirstFace + df);
    DeleteMesh(mesh);
    return static_cast<Index>(moved - 1);
}

Index MergeMeshes(int first, int second) {
    if (!MeshExists(first) || !MeshExists(second) || first == second) return 0;
    SceneStore& s = Scene();
    const Index merged = CreateMesh(s.Meshes[first].VertexCount + s.Meshes[second].VertexCount,
                                    s.Meshes[first].FaceCount + s.Meshes[second].FaceCount);
    if (merged == 0) return 0;
    const MeshRecord& a = s.Meshes[first];
    const MeshRecord& b = s.Meshes[second];
    const MeshRecord& m = s.Meshes[merged];
    CopyRuns(a.FirstVertex, a.VertexCount, m.FirstVertex, a.FirstFace, a.FaceCount, m.FirstFace,
             m.FirstVertex - a.FirstVertex);
    CopyRuns(b.FirstVertex, b.VertexCount, m.FirstVertex + a.VertexCount, b.FirstFace, b.FaceCount,
             m.FirstFace + a.FaceCount, m.FirstVertex + a.VertexCount - b.FirstVertex);
    // Delete the higher slot first so that the lower index still names its mesh.
    DeleteMesh(first > second ? first : second);
    DeleteMesh(first > second ? second : first);
    return static_cast<Index>(merged - 2);
}

}  // namespace quarn
