#include <gtest/gtest.h>

#include "byte_builder.hpp"
#include "files/chunk_cursor.hpp"
#include "files/import_3ds_chunks.hpp"
#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::Chunk;
using testing::Concat;

TEST(ChunkCursor, ReadsStopAtTheLimitOfTheEnteredChunk) {
    ModelFile file(Concat({Chunk(0x1111, {ByteBuilder().U16(0x0102)}), ByteBuilder().U32(0xFFFFFFFF)}));
    ChunkCursor in(file);
    const auto chunk = in.ReadHeader();
    ASSERT_TRUE(chunk);
    EXPECT_EQ(chunk->Id, 0x1111);
    EXPECT_EQ(chunk->End, 9);
    {
        ChunkScope scope(in, *chunk);
        EXPECT_EQ(in.BytesLeft(), 2);
        EXPECT_EQ(in.ReadInt32(), 0);  // would cross the chunk's end
        EXPECT_TRUE(in.Overran());
        EXPECT_TRUE(in.AtLimit());
    }
    EXPECT_EQ(in.Position(), 9);
    EXPECT_EQ(in.ReadInt32(), -1);  // the enclosing limit is back
}

TEST(ChunkCursor, DamagedHeadersEndTheEnclosingChunk) {
    struct Case {
        const char* name;
        Bytes inner;
    };
    const Case cases[] = {
        {"length below the header", ByteBuilder().U16(0x2222).U32(5).U32(0)},
        {"length 0", ByteBuilder().U16(0x2222).U32(0).U32(0)},
        {"reaching past the parent", ByteBuilder().U16(0x2222).U32(11).U32(0)},
        {"length near 4 GB", ByteBuilder().U16(0x2222).U32(0xFFFFFFF0).U32(0)},
        {"header cut short", ByteBuilder().U16(0x2222).U16(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelFile file(Concat({Chunk(0x1111, {c.inner}), Chunk(0x3333, {})}));
        ChunkCursor in(file);
        const auto outer = in.ReadHeader();
        ASSERT_TRUE(outer);
        {
            ChunkScope scope(in, *outer);
            EXPECT_FALSE(in.ReadHeader());
            EXPECT_EQ(in.Position(), outer->End);
        }
        EXPECT_EQ(PeekChunkId(in), 0x3333);  // the next sibling is still found
    }
}

TEST(ChunkCursor, NestingDeeperThanTheCapIsSteppedOver) {
    Bytes nested = Chunk(0x0001, {ByteBuilder().U8(42)});
    for (int depth = 0; depth < kMaxChunkDepth + 4; ++depth) nested = Chunk(0x0001, {nested});
    ModelFile file(nested);
    ChunkCursor in(file);
    std::vector<std::unique_ptr<ChunkScope>> scopes;
    while (auto chunk = in.ReadHeader()) {
        scopes.push_back(std::make_unique<ChunkScope>(in, *chunk));
        if (!scopes.back()->Entered()) break;
    }
    EXPECT_EQ(in.Depth(), kMaxChunkDepth);
    EXPECT_TRUE(in.AtLimit());
    EXPECT_FALSE(scopes.back()->Entered());
    while (!scopes.empty()) scopes.pop_back();  // innermost first
    EXPECT_EQ(in.Depth(), 0);
}

TEST(ChunkCursor, CountsAreTrustedOnlyWhenTheirRecordsFit) {
    ModelFile file(Bytes(24, 0));
    ChunkCursor in(file);
    EXPECT_TRUE(in.Fits(2, 12));
    EXPECT_FALSE(in.Fits(3, 8) && in.Fits(2, 13));
    EXPECT_FALSE(in.Fits(-1, 1));
    EXPECT_TRUE(in.Fits(0, 12));
}

TEST(Chunk3ds, FindSkipAndPeekWalkSiblingsForward) {
    ModelFile file(Concat({Chunk(0xA, {ByteBuilder().U8(1)}), Chunk(0xB, {}), Chunk(0xC, {ByteBuilder().U16(9)})}));
    ChunkCursor in(file);
    EXPECT_EQ(PeekChunkId(in), 0xA);
    EXPECT_EQ(in.Position(), 1);
    EXPECT_EQ(SkipChunk(in), 0xA);
    EXPECT_EQ(in.Position(), 8);
    const auto c = FindChunk(in, 0xC);
    ASSERT_TRUE(c);
    EXPECT_EQ(in.Position(), c->Start + 6);
    EXPECT_EQ(in.ReadInt16(), 9);
    in.MoveTo(1);
    EXPECT_FALSE(FindChunk(in, 0xD));
    EXPECT_TRUE(in.AtLimit());
}

class Chunk3dsRecords : public testing::SceneTest {};

TEST_F(Chunk3dsRecords, VectorsSwapYAndZAndFacesSwapTheirLastTwoCorners) {
    const Index m = CreateMesh(0, 0);
    ASSERT_EQ(store().Meshes[m].FirstVertex, 1);
    ModelFile file(Bytes(ByteBuilder().Vec(1, 2, 3).U16(0).U16(1).U16(2).U16(0xFFFF).U16(0xFFFF).U16(0).U16(9999).U16(0)));
    ChunkCursor in(file);
    EXPECT_EQ(ReadVector3ds(in), (Vector3D{1, 3, 2}));
    const FaceRecord face = ReadFace3ds(in, m);
    EXPECT_EQ(face, (FaceRecord{1, 3, 2, {0, 0, 0}, 0}));
    // A corner whose index would leave the tables becomes 0, which cleaning drops.
    EXPECT_EQ(ReadFace3ds(in, m), (FaceRecord{0, 10000, 1, {0, 0, 0}, 0}));
}

}  // namespace
}  // namespace quarn
