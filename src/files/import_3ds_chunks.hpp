#pragma once
// Walking the chunks of a 3D Studio file. A chunk is a 6-byte header (ID u16, length u32 counting the
// header) followed by its data and sub-chunks; the next sibling starts at the chunk's start + length.
// The file's z axis is the engine's y axis, so vectors are read as (x, y, z) and stored as (x, z, y),
// and face corners as (a, c, b) to keep the front side in front.

#include <cstdint>
#include <optional>

#include "files/chunk_cursor.hpp"
#include "scene/records.hpp"

namespace quarn {

enum Chunk3ds : std::uint16_t {
    kColorFloat = 0x0010,      // red, green, blue f32 in 0..1
    kEditorData = 0x3D3D,      // in the main chunk
    kNamedObject = 0x4000,     // name, then one mesh, light or camera
    kTriangleMesh = 0x4100,    // POINT_ARRAY, FACE_ARRAY, MESH_MATRIX
    kPointArray = 0x4110,      // u16 count, count x (x, y, z) f32
    kFaceArray = 0x4120,       // u16 count, count x (a, b, c, flags) u16, then material chunks
    kMeshMatrix = 0x4160,      // four vectors; the fourth is the local origin
    kDirectLight = 0x4600,     // position, then colour, spot and off chunks
    kSpotLight = 0x4610,       // target, hotspot and falloff in degrees
    kLightOff = 0x4620,
    kCamera = 0x4700,          // position, target, bank, lens
    kMainChunk = 0x4D4D,       // the whole file
    kKeyframerData = 0xB000,   // in the main chunk
    kObjectNode = 0xB002,      // one keyframer node
    kNodeHeader = 0xB010,      // name, flags1, flags2, parent i16
};

// Bytes a face takes in FACE_ARRAY, a vertex in POINT_ARRAY.
inline constexpr int kFace3dsSize = 8;
inline constexpr int kVertex3dsSize = 12;

// The ID of the chunk at the position, which does not move; 0 when no ID fits before the limit.
std::uint16_t PeekChunkId(ChunkCursor& cursor);
// Steps over the chunk at the position and returns its ID. A damaged header ends the enclosing chunk
// (the cursor moves to its limit) and gives 0.
std::uint16_t SkipChunk(ChunkCursor& cursor);
// Steps over siblings up to the limit until a chunk with the ID, and returns its header with the
// position at its data; nothing, at the limit, when there is none.
std::optional<ChunkHeader> FindChunk(ChunkCursor& cursor, std::uint16_t id);
// Three floats a, b, c as the vector (a, c, b).
Vector3D ReadVector3ds(ChunkCursor& cursor);
// Corners a, b, c and flags as the face (a, c, b) of the mesh, black with diffuse 0. A corner whose index
// leaves the tables becomes 0.
FaceRecord ReadFace3ds(ChunkCursor& cursor, int mesh);

// Walks the children of the current chunk: dispatch(id) handles the chunk at the position (the caller
// has peeked its ID) and returns kHandled, or kNotMine to have it stepped over, or kStopWalk to end the
// walk (the chunk's remaining children are then passed over when it is left).
enum class ChildWalk { kHandled, kNotMine, kStopWalk };
template <class Dispatch>
void WalkChildren(ChunkCursor& cursor, Dispatch dispatch) {
    while (!cursor.AtLimit()) {
        const std::int64_t before = cursor.Position();
        const ChildWalk step = dispatch(PeekChunkId(cursor));
        if (step == ChildWalk::kStopWalk) return;
        if (step == ChildWalk::kNotMine || cursor.Position() == before) SkipChunk(cursor);
    }
}

// Reads the header of the chunk at the position, runs body inside the chunk and leaves at its end. A
// damaged header ends the enclosing chunk instead; a chunk nested too deep is stepped over.
template <class Body>
void InChunk(ChunkCursor& cursor, Body body) {
    const auto chunk = cursor.ReadHeader();
    if (!chunk) return;
    ChunkScope scope(cursor, *chunk);
    if (scope.Entered()) body();
}

}  // namespace quarn
