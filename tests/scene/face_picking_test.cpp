#include <gtest/gtest.h>

#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

class PickingTest : public SceneTest {
protected:
    // A face over screen triangle (x0, y0), (x1, y1), (x2, y2) at one depth.
    Index AddScreenFace(Vector3D a, Vector3D b, Vector3D c) {
        const int v = nextVertex_;
        nextVertex_ += 3;
        store().ScreenVertices[v] = a;
        store().ScreenVertices[v + 1] = b;
        store().ScreenVertices[v + 2] = c;
        const int f = nextFace_++;
        store().Faces[f] = {static_cast<Index>(v), static_cast<Index>(v + 1), static_cast<Index>(v + 2), {}, 0};
        store().DrawList[listed_++] = static_cast<Index>(f);
        return static_cast<Index>(f);
    }
    // Clockwise on the screen (y down): (0,0) -> (100,0) -> (0,100).
    Index AddSquareHalf(float depth) { return AddScreenFace({0, 0, depth}, {100, 0, depth}, {0, 100, depth}); }

    int nextVertex_ = 1, nextFace_ = 1, listed_ = 0;
};

TEST_F(PickingTest, EmptyListOrMissPicksNothing) {
    EXPECT_EQ(PickFace(MakePoint(10, 10)), 0);
    AddSquareHalf(0.5f);
    EXPECT_EQ(PickFace(MakePoint(90, 90)), 0);
    EXPECT_EQ(PickFace(MakePoint(10, 10)), 1);
}

TEST_F(PickingTest, EdgesAndCounterClockwiseFacesAreOutside) {
    const Index f = AddSquareHalf(0.5f);
    EXPECT_TRUE(PointInFace(MakePoint(10, 10), f));
    EXPECT_FALSE(PointInFace(MakePoint(50, 0), f));   // on the top edge
    EXPECT_FALSE(PointInFace(MakePoint(0, 50), f));   // on the left edge
    EXPECT_FALSE(PointInFace(MakePoint(50, 50), f));  // on the diagonal
    const Index ccw = AddScreenFace({0, 0, 0.5f}, {0, 100, 0.5f}, {100, 0, 0.5f});
    EXPECT_FALSE(PointInFace(MakePoint(10, 10), ccw));
    const Index rounded = AddScreenFace({0.4f, -0.5f, 0.5f}, {100.5f, 0, 0.5f}, {0, 99.5f, 0.5f});
    EXPECT_TRUE(PointInFace(MakePoint(1, 1), rounded));  // corners round to (0, 0), (100, 0), (0, 100)
    const Index huge = AddScreenFace({-3e9f, 0, 0.5f}, {3e9f, 0, 0.5f}, {0, 3e9f, 0.5f});
    EXPECT_FALSE(PointInFace(MakePoint(1, 1), huge));  // cannot be converted: not picked, no fault
}

TEST_F(PickingTest, NearestFaceWinsAndTiesGoToTheFirstListed) {
    AddSquareHalf(0.6f);
    const Index nearer = AddSquareHalf(0.3f);
    AddSquareHalf(0.3f);  // same depth sum as the nearer one, listed later
    AddSquareHalf(0.9f);
    EXPECT_EQ(PickFace(MakePoint(10, 10)), nearer);
    store().DrawList[1] = 0;  // the list ends at the first 0
    EXPECT_EQ(PickFace(MakePoint(10, 10)), 1);
}

}  // namespace
}  // namespace quarn
