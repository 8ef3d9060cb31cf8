#include <gtest/gtest.h>

#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

// Puts a mesh record owning the given vertex run straight into the table.
void OwnVertices(int first, int count) {
    SceneStore& s = Scene();
    const int slot = NextMeshSlot();
    s.Meshes[slot].FirstVertex = static_cast<Index>(first);
    s.Meshes[slot].VertexCount = static_cast<Index>(count);
    s.Meshes[slot].FirstFace = 1;
    s.MeshSlots.Count++;
}

TEST_F(SceneTest, FreshStoreHandsOutSlotOne) {
    EXPECT_EQ(NextMeshSlot(), 1);
    EXPECT_EQ(NextCameraSlot(), 1);
    EXPECT_EQ(FindFreeVertexRange(5), 1);
    EXPECT_EQ(FindFreeFaceRange(0), 1);
    EXPECT_EQ(RangeLast(store().MeshSlots), 0);
    ResetScene();
    EXPECT_EQ(Scene().MeshSlots.First, 0);  // before InitEngine
}

TEST_F(SceneTest, RunSearchTakesTheFirstGapThatFits) {
    OwnVertices(1, 8);
    OwnVertices(20, 11);
    EXPECT_EQ(FindFreeVertexRange(11), 9);   // the gap 9..19 holds exactly 11
    EXPECT_EQ(FindFreeVertexRange(12), 31);  // too big for it: after the highest run
    EXPECT_EQ(FindFreeVertexRange(0), 31);   // an empty request always goes after the highest run
    EXPECT_EQ(FindFreeVertexRange(11), 9);   // searching does not reserve
}

TEST_F(SceneTest, RunSearchVisitsMeshesInSlotOrderNotPoolOrder) {
    OwnVertices(50, 10);  // mesh 1: gap 1..49 below it... unless a lower run exists
    OwnVertices(10, 5);   // mesh 2: gap 1..9
    // Mesh 1's gap lies between the end of mesh 2 (14) and 50; it is visited first and fits 20.
    EXPECT_EQ(FindFreeVertexRange(20), 15);
    EXPECT_EQ(FindFreeVertexRange(9), 15);  // mesh 1's gap wins even though 1..9 would fit too
    EXPECT_EQ(FindFreeVertexRange(36), 60);
}

TEST_F(SceneTest, RunSearchAtThePoolsEnd) {
    OwnVertices(1, 9995);
    EXPECT_EQ(FindFreeVertexRange(5), 9996);
    EXPECT_EQ(FindFreeVertexRange(6), 0);
    EXPECT_EQ(FindFreeVertexRange(-1), 0);
    EXPECT_EQ(FindFreeVertexRange(40000), 0);
}

TEST_F(SceneTest, TablesCheckEveryIndex) {
    EXPECT_THROW(store().Vertices[10001], IndexRangeError);
    EXPECT_THROW(store().Meshes[-1], IndexRangeError);
    EXPECT_NO_THROW(store().Faces[10000]);
    EXPECT_THROW(RangeLast(10000, 30000), ArithmeticError);
}

TEST_F(SceneTest, EngineErrorsShowTheirMessagesInAnErrorBox) {
    for (int code = 1; code <= 6; ++code) ShowEngineError(code);
    ShowEngineError(9);
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{"Unable to allocate memory for mesh!", "Unable to allocate memory for camera!",
                                        "Unable to allocate memory for light!", "Bad camera settings!",
                                        "Bad light settings!", "Unknown error!", "Unknown error!"}));
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace quarn
