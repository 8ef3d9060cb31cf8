#include <gtest/gtest.h>

#include <vector>

#include "platform/canvas.hpp"
#include "render/draw_style_codes.hpp"
#include "render/draw_styles.hpp"
#include "render/frame_pipeline.hpp"
#include "render_fixture.hpp"

namespace quarn::test {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kNavy = 64 * 65536;

class DrawStylesTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        surface.SetBackColor(kNavy);
        surface.Clear();
        camera = MakeFrontCameraAndLight(200);
    }
    CameraRecord& Camera() { return Scene().Cameras[camera]; }
    // A front-facing triangle in the plane z = 0 round the screen point (200, 150) (about 1.73 pixels
    // per unit at the camera's distance of 200).
    Index FrontTriangle(float dx = 0, ColorRGB16 color = {200, 0, 0}) {
        return MakeMesh({{dx - 10, -10, 0}, {dx - 10, 10, 0}, {dx + 10, -10, 0}}, {{0, 1, 2}}, color);
    }
    int CountPixels(std::int32_t packed) const {
        int n = 0;
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < surface.Width(); ++x) n += surface.GetPixel(x, y) == packed;
        return n;
    }

    Canvas surface{400, 300};
    Index camera = 0;
};

struct StyleState {
    int rasterMode, penStyle, brushStyle;
    std::int32_t penColor;
};

TEST_F(DrawStylesTest, EachStyleSetsOnlyItsOwnColumns) {
    constexpr int kKeep = -1;
    const struct {
        Index style;
        StyleState expected;
    } table[] = {
        {kStyleWireframe, {kRopCopyPen, kPenSolid, kBrushHollow, kWhite}},
        {kStyleFlatEdged, {kRopCopyPen, kPenSolid, kBrushSolid, kWhite}},
        {kStyleFlatShaded, {kRopCopyPen, kPenNone, kBrushSolid, kKeep}},
        {kStyleMergeShaded, {kRopMergePen, kPenNone, kBrushSolid, kKeep}},
        {kStyleInvertOutline, {kRopNot, kPenSolid, kBrushHollow, kKeep}},
        {kStyleSmooth, {kRopCopyPen, kKeep, kKeep, kKeep}},
        {Index{9}, {kKeep, kKeep, kKeep, kKeep}},
    };
    const StyleState before{kRopBlack, 2, 7, 0x123456};
    for (const auto& row : table) {
        surface.SetRasterMode(before.rasterMode);
        surface.SetPenStyle(before.penStyle);
        surface.SetBrushStyle(before.brushStyle);
        surface.SetPenColor(before.penColor);
        Camera().DrawStyle = row.style;
        DrawScene(surface, camera);
        auto expect = [](int want, int keep) { return want == kKeep ? keep : want; };
        EXPECT_EQ(surface.RasterMode(), expect(row.expected.rasterMode, before.rasterMode)) << row.style;
        EXPECT_EQ(surface.PenStyle(), expect(row.expected.penStyle, before.penStyle)) << row.style;
        EXPECT_EQ(surface.BrushStyle(), expect(row.expected.brushStyle, before.brushStyle)) << row.style;
        EXPECT_EQ(surface.PenColor(), expect(row.expected.penColor, before.penColor)) << row.style;
    }
}

TEST_F(DrawStylesTest, OutlineAndFlatStylesPaintWhatTheirNameSays) {
    for (const float dx : {-60.0f, 0.0f, 60.0f}) FrontTriangle(dx);
    Camera().DrawStyle = kStyleWireframe;
    RenderFrame(surface, camera);
    EXPECT_EQ(surface.GetPixel(192, 153), kNavy);  // inside the middle triangle: nothing filled
    EXPECT_EQ(surface.GetPixel(183, 150), kWhite);  // its left edge
    EXPECT_GT(CountPixels(kWhite), 3 * 60);

    Camera().DrawStyle = kStyleFlatEdged;  // unlit face colour inside, white edges
    RenderFrame(surface, camera);
    EXPECT_EQ(surface.GetPixel(192, 153), ColorToRGB({200, 0, 0}));
    EXPECT_EQ(surface.GetPixel(183, 150), kWhite);

    surface.Clear();
    Camera().DrawStyle = kStyleMergeShaded;  // lit colour ORed onto the navy background, no edges
    RenderFrame(surface, camera);
    EXPECT_EQ(surface.GetPixel(192, 153), ColorToRGB({228, 128, 128}) | kNavy);
    EXPECT_EQ(CountPixels(kWhite), 0);
}

TEST_F(DrawStylesTest, FacesArePaintedBackToFront) {
    FrontTriangle(0, {0, 200, 0});
    const Index nearer = FrontTriangle(0, {0, 0, 200});
    for (int k = 0; k < 3; ++k) Scene().Vertices[Scene().Meshes[nearer].FirstVertex + k].z = -50;
    Camera().DrawStyle = kStyleFlatEdged;
    RenderFrame(surface, camera);
    EXPECT_EQ(surface.GetPixel(192, 153), ColorToRGB({0, 0, 200}));
}

TEST_F(DrawStylesTest, FillFaceAndGouraudFaceUseTheCornerColours) {
    const Index mesh = FrontTriangle();
    const Index face = Scene().Meshes[mesh].FirstFace;
    RenderFrame(surface, camera);
    surface.SetRasterMode(kRopCopyPen);
    surface.SetPenStyle(kPenNone);
    surface.SetBrushStyle(kBrushSolid);
    FillFace(surface, face, {1, 2, 3});
    EXPECT_EQ(surface.BrushColor(), ColorToRGB({1, 2, 3}));
    EXPECT_EQ(surface.GetPixel(192, 153), ColorToRGB({1, 2, 3}));

    // One colour at every corner: 255 travels as the channel 0xFF00 and 128 as 0x8000 and come back whole.
    GouraudFace(surface, face, {255, 128, 0}, {255, 128, 0}, {255, 128, 0});
    EXPECT_EQ(surface.GetPixel(192, 153), ColorToRGB({255, 128, 0}));
    EXPECT_THROW(GouraudFace(surface, face, {256, 0, 0}, {0, 0, 0}, {0, 0, 0}), ArithmeticError);
    EXPECT_THROW(GouraudFace(surface, face, {0, 0, 0}, {0, 0, 0}, {0, -1, 0}), ArithmeticError);
}

TEST_F(DrawStylesTest, MarksAreDrawnOnTopWithOnlyTheFirstVertexDepthTested) {
    FrontTriangle(0, {0, 200, 0});
    MakeMark({{0, 0, 0}}, {255, 255, 0});                         // one pixel at (200, 150)
    MakeMark({{-40, 0, 0}}, {255, 0, 255}, "A");                    // a letter right of and below (131, 150)
    MakeMark({{0, 0, -250}, {40, 40, 0}}, {0, 255, 255});            // starts behind the camera: nothing
    MakeMark({{60, 0, 0}, {100, 0, 0}}, {255, 255, 255});           // a line from (304, 150) rightwards
    MakeMark({{-60, 0, 0}, {-60, 20, 0}, {-80, 20, 0}, {-80, 0, 0}}, {255, 128, 0});  // a curve
    FrontTriangle(40, {10, 20, 30});  // one face, three vertices: a face
    Camera().DrawStyle = kStyleFlatEdged;
    RenderFrame(surface, camera);

    EXPECT_EQ(surface.GetPixel(200, 150), ColorToRGB({255, 255, 0}));
    EXPECT_EQ(CountPixels(ColorToRGB({255, 255, 0})), 1);
    int letter = 0;  // glyphs are blended into the background: count the strongly magenta pixels
    for (int y = 150; y < 180; ++y)
        for (int x = 131; x < 160; ++x) {
            const ColorRGB16 c = ColorFromRGB(surface.GetPixel(x, y));
            letter += c.Red >= 160 && c.Green == 0;
        }
    EXPECT_GT(letter, 5);
    EXPECT_EQ(CountPixels(ColorToRGB({0, 255, 255})), 0);
    EXPECT_EQ(surface.GetPixel(320, 150), kWhite);
    EXPECT_GT(CountPixels(ColorToRGB({255, 128, 0})), 20);
    EXPECT_EQ(surface.GetPixel(261, 153), ColorToRGB({10, 20, 30}));
    // The last mark left its pen state behind.
    EXPECT_EQ(surface.PenColor(), ColorToRGB({255, 128, 0}));
    EXPECT_EQ(surface.RasterMode(), kRopCopyPen);
}

}  // namespace
}  // namespace quarn::test
