#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/canvas.hpp"
#include "render/draw_style_codes.hpp"
#include "render/frame_pipeline.hpp"
#include "render/lighting.hpp"
#include "render_fixture.hpp"

namespace quarn::test {
namespace {

constexpr std::int32_t kGrey = 192 + 192 * 256 + 192 * 65536;

class FrameTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        surface.SetBackColor(kGrey);
        surface.Clear();
        cube = MakeCube(20);
        camera = MakeFrontCameraAndLight(200);
        Camera().DrawStyle = kStyleFlatShaded;
    }
    CameraRecord& Camera() { return Scene().Cameras[camera]; }
    // Orbits the camera and keeps the light at it, as the frame loop does.
    void Orbit(float yaw, float pitch) {
        OrbitCamera(camera, ZeroVector(), 200, yaw, pitch);
        Scene().Lights[1].Position = Camera().Position;
    }
    void Frame() {
        surface.Clear();
        RenderFrame(surface, camera);
    }
    std::vector<std::uint32_t> Picture() const {
        return {surface.Pixels(), surface.Pixels() + surface.Width() * surface.Height()};
    }

    Canvas surface{400, 300};
    Index cube = 0, camera = 0;
};

TEST_F(FrameTest, CubeFromTheFrontShowsItsLitFrontFaceWhereProjected) {
    Frame();
    EXPECT_EQ(DrawListLength(), 2);
    // Corners at 200 +- 38.49 and 150 +- 38.49: (200, 0, 0) with diffuse 0.5 under a white light.
    const std::int32_t lit = ColorToRGB({228, 128, 128});
    for (const auto& [x, y] : {std::pair{200, 150}, {164, 114}, {236, 114}, {164, 186}, {236, 186}})
        EXPECT_EQ(surface.GetPixel(x, y), lit) << x << "," << y;
    for (const auto& [x, y] : {std::pair{159, 150}, {241, 150}, {200, 109}, {200, 191}})
        EXPECT_EQ(surface.GetPixel(x, y), kGrey) << x << "," << y;
}

TEST_F(FrameTest, BadCameraIsReportedOnceAndKeepsTheLastScreenPositions) {
    Frame();
    std::vector<Vector3D> before;
    for (int v = 1; v <= 8; ++v) before.push_back(Scene().ScreenVertices[v]);
    Camera().NearClip = 0;
    Camera().AttenuationOn = true;  // and every shaded point finds the attenuation range empty
    Camera().AttenuationNear = Camera().AttenuationFar = 5;
    Orbit(0.3f, 0.2f);
    Frame();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Bad camera settings!"});
    for (int v = 1; v <= 8; ++v) EXPECT_EQ(Scene().ScreenVertices[v], before[v - 1]) << v;

    Frame();  // and once more in the next frame
    EXPECT_EQ(ui.MessageTexts().size(), 2u);
}

TEST_F(FrameTest, InvertedOutlinesTwiceRestoreThePicture) {
    Orbit(0.6f, -0.5f);
    Frame();
    const std::vector<std::uint32_t> shaded = Picture();
    Camera().DrawStyle = kStyleInvertOutline;
    RenderFrame(surface, camera);
    EXPECT_NE(Picture(), shaded);
    RenderFrame(surface, camera);
    EXPECT_EQ(Picture(), shaded);
}

TEST_F(FrameTest, SmoothStyleTakesSharedCornersFromTheNearestFace) {
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[cube];
    const ColorRGB16 colors[6] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {200, 200, 0}, {0, 200, 200}, {200, 0, 200}};
    for (int f = 0; f < 12; ++f) s.Faces[m.FirstFace + f].Color = colors[f / 2];
    Orbit(0.6f, 0.5f);  // from above and to the right: front, right and top in view
    Camera().DrawStyle = kStyleSmooth;
    Frame();
    ASSERT_EQ(DrawListLength(), 6);

    // The corner (+h, +h, -h) belongs to all three visible sides; the last listed face using it wins.
    const Index corner = static_cast<Index>(m.FirstVertex + 3);
    std::vector<Index> users;
    for (int k = 0; k < DrawListLength(); ++k) {
        const FaceRecord& f = s.Faces[s.DrawList[k]];
        if (f.VertexA == corner || f.VertexB == corner || f.VertexC == corner) users.push_back(s.DrawList[k]);
    }
    ASSERT_GE(users.size(), 3u);
    auto shadeWith = [&](Index f) { return ShadePoint(s.WorldVertices[corner], s.VertexAccum[corner], f, camera); };
    const ColorRGB16 nearest = shadeWith(users.back());
    EXPECT_EQ(s.VertexShades[corner], nearest);
    for (const Index f : users) {
        if (s.Faces[f].Color == s.Faces[users.back()].Color) continue;
        EXPECT_NE(shadeWith(f), nearest);
    }

    // Painted with interpolated colours: near that corner every face shows its shade.
    const Vector3D p = s.ScreenVertices[corner];
    const ColorRGB16 shown = ColorFromRGB(surface.GetPixel(static_cast<int>(p.x), static_cast<int>(p.y)));
    EXPECT_NEAR(shown.Red, nearest.Red, 12);
    EXPECT_NEAR(shown.Green, nearest.Green, 12);
    EXPECT_NEAR(shown.Blue, nearest.Blue, 12);
    // and no face is flat: the colour changes across the front face.
    EXPECT_NE(surface.GetPixel(static_cast<int>(s.ScreenVertices[m.FirstVertex].x) + 3,
                               static_cast<int>(s.ScreenVertices[m.FirstVertex].y) - 3),
              surface.GetPixel(static_cast<int>(p.x) - 3, static_cast<int>(p.y) + 3));
}

TEST_F(FrameTest, FaultAbandonsOnlyThatFrame) {
    Frame();
    ASSERT_EQ(DrawListLength(), 2);
    // A child whose world matrix overflows: its translation plus its parent's passes the float range.
    Scene().Meshes[cube].Position = {3e38f, 0, 0};
    Scene().Meshes[cube].MatrixDirty = true;
    const Index child = MakeCube(1);
    Scene().Meshes[child].Parent = cube;
    Scene().Meshes[child].Position = {3e38f, 0, 0};
    EXPECT_THROW(Frame(), ArithmeticError);
    EXPECT_EQ(DrawListLength(), 0);
    EXPECT_TRUE(Scene().Meshes[child].MatrixDirty);  // not marked clean with a stale matrix

    Scene().Meshes[child].Position = {0, 0, 0};
    Scene().Meshes[child].Visible = false;
    Scene().Meshes[cube].Position = {0, 0, 0};
    Scene().Meshes[cube].MatrixDirty = true;
    Frame();
    EXPECT_EQ(DrawListLength(), 2);
    EXPECT_FALSE(Scene().Meshes[child].MatrixDirty);
    EXPECT_EQ(surface.GetPixel(200, 150), ColorToRGB({228, 128, 128}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FrameTest, MarkReachingPastThe32BitRangeIsSkippedAlone) {
    SceneStore& s = Scene();
    s.Meshes[cube].Visible = false;
    // Its end lies 0.01 in front of the camera plane and far to the side: x beyond 2^31 pixels.
    MakeMark({{0, 0, 0}, {1e9f, 0, -199.99f}}, {0, 0, 255});
    MakeMark({{0, 0, 0}, {0, 30, 0}}, {255, 0, 0});
    EXPECT_NO_THROW(Frame());
    EXPECT_EQ(surface.GetPixel(200, 140), ColorToRGB({255, 0, 0}));
    EXPECT_EQ(surface.GetPixel(210, 150), kGrey);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quarn::test
