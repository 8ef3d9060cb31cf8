#include "files/import_3ds_chunks.hpp"

#include "files/loaded_mesh.hpp"
#include "scene/scene_store.hpp"

namespace quarn {

std::uint16_t PeekChunkId(ChunkCursor& cursor) { return cursor.PeekUInt16(); }

std::uint16_t SkipChunk(ChunkCursor& cursor) {
    const auto chunk = cursor.ReadHeader();
    if (!chunk) return 0;
    cursor.MoveTo(chunk->End);
    return chunk->Id;
}

std::optional<ChunkHeader> FindChunk(ChunkCursor& cursor, std::uint16_t id) {
    while (!cursor.AtLimit()) {
        const auto chunk = cursor.ReadHeader();
        if (!chunk) return std::nullopt;
        if (chunk->Id == id) return chunk;
        cursor.MoveTo(chunk->End);
    }
    return std::nullopt;
}

Vector3D ReadVector3ds(ChunkCursor& cursor) {
    const float a = cursor.ReadFloat();
    const float b = cursor.ReadFloat();
    const float c = cursor.ReadFloat();
    return {a, c, b};
}

FaceRecord ReadFace3ds(ChunkCursor& cursor, int mesh) {
    const int first = Scene().Meshes[mesh].FirstVertex;
    const int a = cursor.ReadUInt16();
    const int b = cursor.ReadUInt16();
    const int c = cursor.ReadUInt16();
    cursor.ReadUInt16();  // edge flags, not used
    FaceRecord face;
    face.VertexA = CornerFromOffset(first, a);
    face.VertexB = CornerFromOffset(first, c);
    face.VertexC = CornerFromOffset(first, b);
    return face;
}

}  // namespace quarn
