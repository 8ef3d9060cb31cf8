// Triangle meshes: POINT_ARRAY, FACE_ARRAY and MESH_MATRIX, then cleaning and repacking.

#include "files/import_3ds_chunks.hpp"
#include "files/import_3ds_objects.hpp"
#include "files/loaded_mesh.hpp"
#include "platform/engine_fault.hpp"
#include "scene/engine_error.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

enum class MeshPart { kRead, kTooLarge, kDamaged };

// Reads a u16 count and checks that its run stays inside the tables and its records inside the chunk.
MeshPart ReadCount(ChunkCursor& in, int firstSlot, int recordSize, int& count) {
    if (!in.Fits(1, 2)) return MeshPart::kDamaged;
    count = in.ReadUInt16();
    if (!RunFitsTable(firstSlot, count)) return MeshPart::kTooLarge;
    if (!in.Fits(count, recordSize)) return MeshPart::kDamaged;
    return MeshPart::kRead;
}

MeshPart ReadPointArray(ChunkCursor& in, int mesh) {
    MeshPart result = MeshPart::kRead;
    InChunk(in, [&] {
        MeshRecord& m = Scene().Meshes[mesh];
        int count = 0;
        result = ReadCount(in, m.FirstVertex, kVertex3dsSize, count);
        if (result != MeshPart::kRead) return;
        m.VertexCount = static_cast<Index>(count);
        for (int v = m.FirstVertex; v < m.FirstVertex + count; ++v) {
            const Vector3D p = ReadVector3ds(in);
            if (!IsFiniteVector(p)) {
                result = MeshPart::kDamaged;
                return;
            }
            Scene().Vertices[v] = p;
        }
    });
    return result;
}

// The face list's own children (materials, smoothing groups) are passed over when the chunk is left.
MeshPart ReadFaceArray(ChunkCursor& in, int mesh) {
    MeshPart result = MeshPart::kRead;
    InChunk(in, [&] {
        MeshRecord& m = Scene().Meshes[mesh];
        int count = 0;
        result = ReadCount(in, m.FirstFace, kFace3dsSize, count);
        if (result != MeshPart::kRead) return;
        m.FaceCount = static_cast<Index>(count);
        for (int f = m.FirstFace; f < m.FirstFace + count; ++f) Scene().Faces[f] = ReadFace3ds(in, mesh);
    });
    return result;
}

// Only the fourth vector, the object's origin, is used: it becomes the mesh's Position and the vertices,
// which the file holds in world coordinates, become relative to it.
MeshPart ReadMeshMatrix(ChunkCursor& in, int mesh) {
    MeshPart result = MeshPart::kRead;
    InChunk(in, [&] {
        if (!in.Fits(4, kVertex3dsSize)) {
            result = MeshPart::kDamaged;
            return;
        }
        for (int axis = 0; axis < 3; ++axis) ReadVector3ds(in);
        const Vector3D origin = ReadVector3ds(in);
        if (!IsFiniteVector(origin)) {
            result = MeshPart::kDamaged;
            return;
        }
        SetMeshPivot(mesh, origin);
    });
    return result;
}

}  // namespace

void ReadMeshChunk(Import3dsContext& context, const std::string& name) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        const Index created = CreateMesh(0, 0);
        if (created == 0) return;  // error 1 has been shown; the chunk is passed over
        PendingMesh mesh(created);
        Scene().Meshes[created].Name = name;
        MeshPart outcome = MeshPart::kRead;
        try {
            WalkChildren(in, [&](std::uint16_t id) {
                switch (id) {
                    case kPointArray:
                        outcome = ReadPointArray(in, mesh.Get());
                        break;
                    case kFaceArray:
                        outcome = ReadFaceArray(in, mesh.Get());
                        break;
                    case kMeshMatrix:
                        outcome = ReadMeshMatrix(in, mesh.Get());
                        break;
                    default:
                        return ChildWalk::kNotMine;
                }
                return outcome == MeshPart::kRead ? ChildWalk::kHandled : ChildWalk::kStopWalk;
            });
            // A mesh that the end of the file cuts short may miss faces or its matrix.
            if (outcome == MeshPart::kRead && in.LimitIsFileEnd()) outcome = MeshPart::kDamaged;
            if (outcome == MeshPart::kRead) {
                mesh.Finish();
                return;
            }
        } catch (const ArithmeticError&) {
            // Coordinates so large that moving the pivot overflows.
            outcome = MeshPart::kDamaged;
        }
        if (outcome == MeshPart::kTooLarge) ShowEngineError(kMeshAllocationError);
        mesh.Discard();
        if (outcome == MeshPart::kDamaged) context.Damaged.push_back(name);
    });
}

}  // namespace quarn
