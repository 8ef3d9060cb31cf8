#include "files/loaded_mesh.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/mesh_edit.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "scene/slot_search.hpp"

namespace quarn {
namespace {

// Repacking copies the mesh, so it needs a second mesh slot and runs of the mesh's size beside the mesh
// itself. Without that room (a mesh of more than half a pool, or a full mesh table) the mesh stays where
// it was built, after every other run, which is just as valid. Because it was built there, a copy fits
// after it whenever the pool has the slots; only otherwise is a gap below searched for.
bool RoomToRepack(const MeshRecord& m) {
    const auto fits = [](int first, int count, auto findGap) {
        return first + 2 * count - 1 <= kTableCapacity || findGap(count) != 0;
    };
    return NextMeshSlot() != 0 && fits(m.FirstVertex, m.VertexCount, FindFreeVertexRange) &&
           fits(m.FirstFace, m.FaceCount, FindFreeFaceRange);
}

}  // namespace

bool RunFitsTable(int first, int count) {
    return count == 0 || (first >= 1 && first + count - 1 <= kTableCapacity);
}

Index CornerFromOffset(int firstVertex, int offset) {
    const long long corner = static_cast<long long>(firstVertex) + offset;
    return corner >= 1 && corner <= kTableCapacity ? static_cast<Index>(corner) : 0;
}

std::int16_t ClampColorComponent(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, 255));
}

bool IsFiniteVector(const Vector3D& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

PendingMesh::~PendingMesh() {
    if (mesh_ != 0) DeleteMesh(mesh_);
}

void PendingMesh::Discard() {
    DeleteMesh(mesh_);
    mesh_ = 0;
}

Index PendingMesh::Finish() {
    CleanMesh(mesh_);
    const Index mesh = std::exchange(mesh_, 0);
    if (!RoomToRepack(Scene().Meshes[mesh])) return mesh;
    const Index repacked = RepackMesh(mesh);
    return repacked != 0 ? repacked : mesh;
}

}  // namespace quarn
