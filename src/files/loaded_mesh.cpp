#include "files/loaded_mesh.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/mesh_edit.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {

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
    return RepackMeshWhereRoom(std::exchange(mesh_, 0));
}

}  // namespace quarn
