#include <gtest/gtest.h>

#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

// A mesh whose vertices are (k, 0, 0) + offset and whose faces fan from its first vertex.
Index MakeFan(int vertices, int faces, float offset = 0) {
    const Index m = CreateMesh(vertices, faces);
    SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    for (int k = 0; k < vertices; ++k) s.Vertices[r.FirstVertex + k] = {offset + k, float(k * k), 0};
    for (int k = 0; k < faces; ++k)
        s.Faces[r.FirstFace + k] = {r.FirstVertex, static_cast<Index>(r.FirstVertex + k + 1),
                                    static_cast<Index>(r.FirstVertex + k + 2), {10, 20, 30}, 0.5f};
    return m;
}

TEST_F(SceneTest, CreateMeshAllocatesRunsAndReusesGaps) {
    EXPECT_EQ(CreateMesh(4, 2), 1);
    EXPECT_EQ(CreateMesh(3, 1), 2);
    EXPECT_EQ(mesh(2).FirstVertex, 5);
    EXPECT_EQ(mesh(2).FirstFace, 3);
    EXPECT_EQ(mesh(1).Scale, OnesVector());
    EXPECT_TRUE(mesh(1).MatrixDirty);
    EXPECT_TRUE(mesh(1).Visible);
    DeleteMesh(1);
    EXPECT_EQ(CreateMesh(4, 2), 2);
    EXPECT_EQ(mesh(2).FirstVertex, 1);
    EXPECT_EQ(mesh(2).FirstFace, 1);
    const Index empty = CreateMesh(0, 0);
    EXPECT_EQ(mesh(empty).FirstVertex, 8);
    EXPECT_EQ(mesh(empty).FirstFace, 4);
}

TEST_F(SceneTest, FailedCreateMeshReportsAndChangesNothing) {
    ASSERT_EQ(CreateMesh(9000, 10), 1);
    EXPECT_EQ(CreateMesh(1001, 1), 0);
    EXPECT_EQ(CreateMesh(-1, 1), 0);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(2).FirstVertex, 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(2, "Unable to allocate memory for mesh!"));
}

TEST_F(SceneTest, FullMeshTableRefusesTheNextMesh) {
    for (int i = 1; i <= kTableCapacity; ++i) ASSERT_EQ(CreateMesh(0, 0), i);
    EXPECT_EQ(NextMeshSlot(), 0);
    EXPECT_EQ(CreateMesh(0, 0), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to allocate memory for mesh!"});
    DeleteMeshesExcept(0);
    EXPECT_EQ(store().MeshSlots.Count, 0);
}

TEST_F(SceneTest, DeletingRenumbersParentsAndIgnoresBadIndices) {
    for (int i = 0; i < 5; ++i) CreateMesh(1, 1);
    mesh(3).Parent = 2;  // child of the mesh to be deleted
    mesh(4).Parent = 5;  // parent above the deleted slot
    mesh(5).Parent = 1;  // parent below it
    mesh(5).Name = "last";
    DeleteMesh(2);
    EXPECT_EQ(store().MeshSlots.Count, 4);
    EXPECT_EQ(mesh(2).Parent, 0);
    EXPECT_EQ(mesh(3).Parent, 4);
    EXPECT_EQ(mesh(4).Parent, 1);
    EXPECT_EQ(mesh(4).Name, "last");
    EXPECT_EQ(mesh(5).FirstVertex, 0);  // the vacated slot is zeroed
    EXPECT_EQ(mesh(5).Name, "");
    DeleteMesh(0);
    DeleteMesh(5);
    DeleteMesh(-3);
    EXPECT_EQ(store().MeshSlots.Count, 4);
    DeleteMeshesExcept(3);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).Parent, 0);  // its parent was deleted, so the kept mesh is detached
}

TEST_F(SceneTest, CopyAndRepackMoveRunsIntoTheFirstFittingGap) {
    const Index a = MakeFan(5, 3);
    const Index b = MakeFan(4, 2, 100);
    mesh(b).Name = "Box";
    mesh(b).Position = {1, 2, 3};
    DeleteMesh(a);  // frees vertices 1..5 and faces 1..3
    const Index moved = RepackMesh(1);
    ASSERT_EQ(moved, 1);
    EXPECT_EQ(mesh(1).FirstVertex, 1);
    EXPECT_EQ(mesh(1).FirstFace, 1);
    EXPECT_EQ(mesh(1).Name, "Box");
    EXPECT_EQ(mesh(1).Position, (Vector3D{1, 2, 3}));
    EXPECT_EQ(store().Vertices[2], (Vector3D{101, 1, 0}));
    EXPECT_EQ(store().Faces[2].VertexA, 1);
    EXPECT_EQ(store().Faces[2].VertexC, 4);
    EXPECT_EQ(store().MeshSlots.Count, 1);
}

TEST_F(SceneTest, MergeKeepsFirstThenSecond) {
    const Index second = MakeFan(3, 1);
    const Index first = MakeFan(4, 2, 50);
    mesh(first).Name = "dropped";
    ASSERT_EQ(MergeMeshes(first, second), 1);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).VertexCount, 7);
    EXPECT_EQ(mesh(1).FaceCount, 3);
    EXPECT_EQ(mesh(1).Name, "");
    const int v = mesh(1).FirstVertex;
    EXPECT_EQ(store().Vertices[v], (Vector3D{50, 0, 0}));     // first's vertices come first
    EXPECT_EQ(store().Vertices[v + 4], (Vector3D{0, 0, 0}));  // then second's
    const FaceRecord& last = store().Faces[mesh(1).FirstFace + 2];
    EXPECT_EQ(last.VertexA, v + 4);
    EXPECT_EQ(last.VertexC, v + 6);
    EXPECT_EQ(MergeMeshes(1, 1), 0);
    EXPECT_EQ(MergeMeshes(1, 7), 0);
}

TEST_F(SceneTest, MoveMeshToEndPlacesRunsAfterEveryOtherRun) {
    const Index a = MakeFan(3, 1);
    MakeFan(2, 0, 10);
    const Index moved = MoveMeshToEnd(a);
    ASSERT_EQ(moved, 2);
    EXPECT_EQ(mesh(2).FirstVertex, 6);
    EXPECT_EQ(mesh(2).FirstFace, 2);
    EXPECT_EQ(store().Faces[2].VertexB, 7);
    EXPECT_EQ(store().Vertices[8], (Vector3D{2, 4, 0}));
}

TEST_F(SceneTest, MoveMeshToEndFailureLeavesNothingBehind) {
    const Index a = MakeFan(10, 2);
    CreateMesh(9985, 0);  // the pools now end at 9995: no room for ten more vertices
    EXPECT_EQ(MoveMeshToEnd(a), 0);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).VertexCount, 9985);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to allocate memory for mesh!"});
}

TEST_F(SceneTest, RepackWhereRoomKeepsAMeshThatCannotBeCopied) {
    CreateMesh(100, 10);
    CreateMesh(6000, 10);  // more than half the pool: no copy of it can fit
    CreateMesh(50, 5);
    DeleteMesh(1);  // frees vertices 1..100
    EXPECT_EQ(RepackMeshWhereRoom(1), 1);
    EXPECT_EQ(mesh(1).FirstVertex, 101);  // the big mesh stayed where it was
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(RepackMeshWhereRoom(2), 2);
    EXPECT_EQ(mesh(2).FirstVertex, 1);  // the small one moved into the gap below the big mesh
    EXPECT_EQ(RepackMeshWhereRoom(9), 0);
}

}  // namespace
}  // namespace quarn
