// Turning and zooming with the mouse, the hover outline and the light mode of the Shift key.

#include <cmath>
#include <functional>

#include "render/draw_styles.hpp"
#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

TEST_F(ShellTest, DragsTurnAndZoomTheOrbitWithinItsLimits) {
    struct Case {
        const char* what;
        std::int16_t button;
        float yaw, pitch, distance;  // before
        float dx, dy;
        float expectYaw, expectPitch, expectDistance;
        int pointer;
    };
    const Case cases[] = {
        {"left 50 right", kLeftButton, 0, 0, 200, 50, 0, -0.5f, 0, 200, kPointerMove},
        {"left past -pi", kLeftButton, -3.0f, 0, 200, 50, 0, 2.78318548f, 0, 200, kPointerMove},
        {"left 1000 down", kLeftButton, 0, 0, 200, 0, 1000, 0, 1.5707964f, 200, kPointerMove},
        {"left 1000 up", kLeftButton, 0, 0.5f, 200, 0, -1000, 0, -1.5707964f, 200, kPointerMove},
        {"right 300 up", kRightButton, 0, 0, 200, 0, -300, 0, 0, 0, kPointerUpDown},
        {"right 30 down", kRightButton, 0, 0, 200, 0, 30, 0, 0, 230, kPointerUpDown},
        {"left and right", kLeftButton | kRightButton, 0.25f, 0.5f, 90, 40, 40, 0.25f, 0.5f, 90,
         kPointerDefault},
    };
    StartWindow();
    for (const Case& c : cases) {
        shell().OrbitYaw = c.yaw;
        shell().OrbitPitch = c.pitch;
        shell().OrbitDistance = c.distance;
        shell().LastMouseX = shell().LastMouseY = 100;
        form().Picture1.MousePointer = kPointerDefault;
        store().NeedsRedraw = false;
        Picture1_MouseMove(c.button, 0, 100 + c.dx, 100 + c.dy);
        EXPECT_NEAR(shell().OrbitYaw, c.expectYaw, 1e-6) << c.what;
        EXPECT_EQ(shell().OrbitPitch, c.expectPitch) << c.what;
        EXPECT_EQ(shell().OrbitDistance, c.expectDistance) << c.what;
        EXPECT_EQ(form().Picture1.MousePointer, c.pointer) << c.what;
        EXPECT_TRUE(store().NeedsRedraw) << c.what;
    }
    EXPECT_EQ(shell().OrbitYaw, 0.25f);
    // The pointer position is kept rounded half to even.
    Picture1_MouseMove(kLeftButton, 0, 150.5f, 151.5f);
    EXPECT_EQ(shell().LastMouseX, 150);
    EXPECT_EQ(shell().LastMouseY, 152);
}

class HoverTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartWindow();
        mnuBasicOption_Click(0);
        shell().OrbitYaw = 0.6f;
        shell().OrbitPitch = 0.4f;
        RunFrameIfWanted();
        frame = view();
    }
    // A point well inside a drawn face that picks that face.
    ScreenPoint InsideFace(int listPosition) {
        const Index face = store().DrawList[listPosition];
        const FaceRecord& f = store().Faces[face];
        const Vector3D& a = store().ScreenVertices[f.VertexA];
        const Vector3D& b = store().ScreenVertices[f.VertexB];
        const Vector3D& c = store().ScreenVertices[f.VertexC];
        return {static_cast<std::int32_t>((a.x + b.x + c.x) / 3),
                static_cast<std::int32_t>((a.y + b.y + c.y) / 3)};
    }
    // The frame with just this face's outline inverted.
    std::vector<std::uint32_t> FrameWithOutline(Index face) {
        Canvas expected = frame;
        expected.SetRasterMode(kRopNot);
        expected.SetPenStyle(kPenSolid);
        expected.SetBrushStyle(kBrushHollow);
        FillFace(expected, face, BlackColor());
        return {expected.Pixels(), expected.Pixels() + expected.Width() * expected.Height()};
    }
    std::vector<std::uint32_t> FramePixels() {
        return {frame.Pixels(), frame.Pixels() + frame.Width() * frame.Height()};
    }

    Canvas frame;
};

TEST_F(HoverTest, MovingFromFaceToFaceLeavesOneOutlineAndMovingOffLeavesNone) {
    const ScreenPoint first = InsideFace(0), second = InsideFace(1);
    Picture1_MouseMove(0, 0, first.x + 0.5f, first.y + 0.5f);
    const Index firstFace = shell().HighlightedFace;
    ASSERT_NE(firstFace, 0);
    EXPECT_EQ(form().Picture1.MousePointer, kPointerCross);
    EXPECT_EQ(ViewPixels(), FrameWithOutline(firstFace));
    EXPECT_TRUE(form().Picture1.ShowNow);

    Picture1_MouseMove(0, 0, second.x + 0.5f, second.y + 0.5f);
    const Index secondFace = shell().HighlightedFace;
    ASSERT_NE(secondFace, 0);
    ASSERT_NE(secondFace, firstFace);
    EXPECT_EQ(ViewPixels(), FrameWithOutline(secondFace));

    Picture1_MouseMove(0, 0, 2, 2);  // the background
    EXPECT_EQ(shell().HighlightedFace, 0);
    EXPECT_EQ(form().Picture1.MousePointer, kPointerDefault);
    EXPECT_EQ(ViewPixels(), FramePixels());
    EXPECT_FALSE(store().NeedsRedraw);  // hovering draws no frame

    // The next frame erases the outline and forgets it.
    Picture1_MouseMove(0, 0, second.x + 0.5f, second.y + 0.5f);
    store().NeedsRedraw = true;
    RunFrameIfWanted();
    EXPECT_EQ(shell().HighlightedFace, 0);
    EXPECT_EQ(ViewPixels(), FramePixels());
}

TEST_F(HoverTest, ShiftShowsTheLightMarkerAtTheNextFrameAndItsReleaseRemovesIt) {
    const Vector3D cameraBefore = store().Cameras[1].Position;
    Picture1_KeyDown(kShiftKey, 1);
    Picture1_KeyDown(kShiftKey, 1);  // the key repeats; one marker
    Picture1_KeyDown(37, 0);         // other keys do nothing
    ASSERT_EQ(store().MeshSlots.Count, 2);
    const Index marker = shell().LightMarker;
    EXPECT_EQ(marker, 2);
    EXPECT_FALSE(store().NeedsRedraw);
    EXPECT_EQ(ViewPixels(), FramePixels());

    // Hovering in light mode outlines nothing.
    const ScreenPoint inside = InsideFace(0);
    Picture1_MouseMove(0, kShiftMask, inside.x, inside.y);
    EXPECT_EQ(shell().HighlightedFace, 0);

    // A drag moves the light and its marker; the camera stays.
    shell().LastMouseX = inside.x;
    Picture1_MouseMove(kLeftButton, kShiftMask, inside.x - 80.0f, inside.y);
    ASSERT_TRUE(RunFrameIfWanted());
    EXPECT_EQ(store().Cameras[1].Position, cameraBefore);
    EXPECT_EQ(store().Meshes[marker].Position, store().Lights[1].Position);
    EXPECT_NEAR(VectorLength(store().Lights[1].Position), 200, 1e-3);
    EXPECT_NE(ViewPixels(), FramePixels());

    Picture1_KeyUp(37, 0);
    EXPECT_EQ(store().MeshSlots.Count, 2);
    Picture1_KeyUp(kShiftKey, 0);
    EXPECT_EQ(shell().LightMarker, 0);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    ASSERT_TRUE(RunFrameIfWanted());
    // The camera takes the orbit the light had, with the light at the camera again.
    EXPECT_EQ(store().Lights[1].Position, store().Cameras[1].Position);
    EXPECT_NE(store().Cameras[1].Position, cameraBefore);
}

TEST_F(HoverTest, CommandsThatClearTheSceneInLightModeGetTheMarkerBack) {
    struct Case {
        const char* what;
        std::function<void()> command;
    };
    const Case cases[] = {
        {"solid chosen", [] { mnuBasicOption_Click(4); }},
        {"scene cleared", ClearAll},
        {"chart", [] { ChartDemo(0); }},
        {"two clears before a frame", [] { ClearAll(), mnuBasicOption_Click(0); }},
        {"studio model opened", [] { OpenModelPath(std::string(ORRIN_TEST_DATA) + "/3ds/fels.3ds"); }},
    };
    Picture1_KeyDown(kShiftKey, kShiftMask);
    for (const Case& c : cases) {
        c.command();
        EXPECT_EQ(shell().LightMarker, 0) << c.what;
        // Until the marker is back the hover test still outlines nothing.
        Picture1_MouseMove(0, kShiftMask, 244, 184);
        EXPECT_EQ(shell().HighlightedFace, 0) << c.what;
        EXPECT_EQ(form().Picture1.MousePointer, kPointerDefault) << c.what;
        ASSERT_TRUE(RunFrameIfWanted()) << c.what;
        const Index marker = shell().LightMarker;
        ASSERT_NE(marker, 0) << c.what;
        // Built after what the command made: the last mesh, red, and not the current one.
        EXPECT_EQ(marker, RangeLast(store().MeshSlots)) << c.what;
        EXPECT_NE(store().CurrentMesh, marker) << c.what;
        EXPECT_EQ(store().Faces[store().Meshes[marker].FirstFace].Color, (ColorRGB16{255, 0, 0})) << c.what;
        EXPECT_EQ(store().Meshes[marker].Position, store().Lights[1].Position) << c.what;
    }
    Picture1_KeyUp(kShiftKey, 0);
    EXPECT_EQ(shell().LightMarker, 0);
    ASSERT_TRUE(RunFrameIfWanted());
    EXPECT_EQ(shell().LightMarker, 0);  // out of light mode no marker comes back
}

}  // namespace
}  // namespace orrin::testing
