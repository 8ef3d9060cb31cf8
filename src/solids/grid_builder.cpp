#include "solids/grid_builder.hpp"

#include "math/angles.hpp"
#include "math/constants.hpp"
#include "scene/engine_error.hpp"
#include "scene/mesh_edit.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "scene/slot_search.hpp"
#include "scene/table.hpp"

namespace quarn {

Vector3D RingDirection(float theta) { return DirectionFromAngles({0, 0, theta}); }

float RingStep(int n) { return StoreFloat(CheckedDivide(kTwoPi, n)); }

float GridAngle(int k, float step) { return StoreFloat(double(static_cast<float>(k)) * step); }

MeshGrower::MeshGrower() : mesh_(CreateMesh(0, 0)) {}

MeshGrower::~MeshGrower() {
    if (mesh_ == 0) return;
    try {
        DeleteMesh(mesh_);
    } catch (...) {
        // Deleting an existing mesh does not fault; a destructor must not throw either way.
    }
}

void MeshGrower::Fail() {
    ShowEngineError(kMeshAllocationError);
    DeleteMesh(mesh_);
    mesh_ = 0;
}

bool MeshGrower::AddVertex(const Vector3D& p) {
    if (mesh_ == 0) return false;
    MeshRecord& m = Scene().Meshes[mesh_];
    const int slot = m.FirstVertex + vertices_;
    if (slot > kTableCapacity) {
        Fail();
        return false;
    }
    Scene().Vertices[slot] = p;
    m.VertexCount = ToInt16(++vertices_);
    return true;
}

bool MeshGrower::AddFace(int a, int b, int c) {
    if (mesh_ == 0) return false;
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh_];
    const int slot = m.FirstFace + faces_;
    if (slot > kTableCapacity) {
        Fail();
        return false;
    }
    FaceRecord& face = s.Faces[slot];
    face.VertexA = CheckedAdd16(m.FirstVertex, a);
    face.VertexB = CheckedAdd16(m.FirstVertex, b);
    face.VertexC = CheckedAdd16(m.FirstVertex, c);
    m.FaceCount = ToInt16(++faces_);
    return true;
}

Index MeshGrower::Finish() {
    if (mesh_ == 0) return 0;
    CleanMesh(mesh_);
    const Index result = RepackMeshWhereRoom(mesh_);
    mesh_ = 0;  // handed over: no longer deleted on destruction
    return result;
}

bool StitchGrid(MeshGrower& grower, int bands, int columns, bool backFaces) {
    const int stride = columns + 1;
    for (int r = 0; r < bands; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int a = r * stride + c;      // V(r, c)
            const int b = a + stride;          // V(r + 1, c)
            const int d = b + 1;               // V(r + 1, c + 1)
            const int e = a + 1;               // V(r, c + 1)
            if (!grower.AddFace(a, b, d) || !grower.AddFace(a, d, e)) return false;
            if (backFaces && (!grower.AddFace(a, d, b) || !grower.AddFace(a, e, d))) return false;
        }
    }
    return grower.Ok();
}

}  // namespace quarn
