// The hue strip, the shade strip with its inverting markers, and picking from both.

#include <cmath>

#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

std::vector<std::uint32_t> PixelsOf(const Canvas& c) {
    return {c.Pixels(), c.Pixels() + c.Width() * c.Height()};
}

TEST_F(ShellTest, ShadeStripMarkersCancelAtTheCentreAndFollowTheShade) {
    StartWindow();
    Canvas& strip = form().Picture3.Image;
    const float width = static_cast<float>(strip.Width());
    Canvas plain(strip.Width(), strip.Height());
    DrawShadeBar(plain, 0, 0, width, static_cast<float>(strip.Height()), 0);
    EXPECT_EQ(PixelsOf(strip), PixelsOf(plain));  // at start no marker is visible

    struct Case {
        float x;
        float shade;
    };
    for (const Case c :
         {Case{width / 4, 0.5f}, {3 * width / 4, 0.5f}, {-40, 1}, {width + 40, 1}, {width / 2, 0}}) {
        Picture3_MouseMove(kLeftButton, 0, c.x, 3);
        EXPECT_EQ(shell().ShadeAmount, c.shade) << c.x;
    }
    Picture3_MouseDown(kLeftButton, 0, width / 4, 3);
    EXPECT_NE(PixelsOf(strip), PixelsOf(plain));  // two wedges now invert the bar
    const int bottom = strip.Height() - 1, marker = static_cast<int>(width / 4);
    EXPECT_EQ(strip.GetPixel(marker, bottom), 0xFFFFFF ^ plain.GetPixel(marker, bottom));
    EXPECT_EQ(strip.GetPixel(static_cast<int>(width / 2), bottom),
              plain.GetPixel(static_cast<int>(width / 2), bottom));

    // Without a button only the pointer changes.
    shell().ShadeAmount = 0.25f;
    Picture3_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(shell().ShadeAmount, 0.25f);
    EXPECT_EQ(form().Picture3.MousePointer, kPointerLeftRight);
}

TEST_F(ShellTest, MarkerCornersAreRoundedOnceFromTheirExactValues) {
    struct Case {
        float x, y, size;
        CanvasPoint right, left;  // the two base corners
    };
    const Case cases[] = {
        // x just below a half: x + 137 is 149.499999..., which as a float would be 149.5 and round to 150.
        {std::nextafter(12.5f, 0.0f), 0, 274, {149, 274}, {-125, 274}},
        {10, 2, 273, {146, 275}, {-126, 275}},  // exact halves go to the even neighbour
        {40.25f, 0, 273, {177, 273}, {-96, 273}},
    };
    for (const Case& c : cases) {
        Canvas marker(200, 300), expected(200, 300);
        DrawTriangleMarker(marker, c.x, c.y, c.size, 0xFFFFFF, kRopMaskPenNot);
        expected.SetRasterMode(kRopMaskPenNot);
        expected.SetPenStyle(kPenNone);
        expected.SetBrushColor(0xFFFFFF);
        const CanvasPoint corners[3] = {{static_cast<std::int32_t>(std::lround(c.x)), static_cast<std::int32_t>(c.y)},
                                        c.right, c.left};
        expected.Polygon(corners, 3);
        EXPECT_EQ(PixelsOf(marker), PixelsOf(expected)) << c.x << ' ' << c.size;
    }
}

TEST_F(ShellTest, HueStripPicksTheColourUnderThePointerAndKeepsItOutsideTheImage) {
    StartWindow();
    const Canvas& hues = form().Picture2.Image;
    Picture2_MouseMove(0, 0, 5, 5);
    EXPECT_EQ(form().Picture2.MousePointer, kPointerCross);
    EXPECT_EQ(shell().PickedColor, 0);
    Picture2_MouseDown(kLeftButton, 0, 5, 0);
    EXPECT_EQ(shell().PickedColor, hues.GetPixel(5, 0));
    EXPECT_EQ(shell().PickedColor, 0xFF00FF);  // the top edge of the first band is magenta
    form().Picture3.ShowNow = false;
    Picture2_MouseMove(kLeftButton, 0, 5, 10000);
    EXPECT_EQ(shell().PickedColor, 0xFF00FF);
    EXPECT_TRUE(form().Picture3.ShowNow);  // the shade strip is redrawn all the same
}

TEST_F(ShellTest, HueBandsMeetWithoutGapOrOverlap) {
    for (const int height : {100, 366, 7}) {
        Canvas pane(10, height);
        pane.SetBackColor(0x123456);
        pane.Clear();
        DrawHueBands(pane, 0, 0, 10, static_cast<float>(height));
        for (int y = 0; y < height; ++y)
            EXPECT_NE(pane.GetPixel(4, y), 0x123456) << "row " << y << " of " << height;
    }
    // At 100 rows the third band starts at row 33 (33.33 rounded) with its first colour, yellow.
    Canvas pane(10, 100);
    DrawHueBands(pane, 0, 0, 10, 100);
    EXPECT_EQ(pane.GetPixel(4, 33), 0x00FFFF);
}

TEST_F(ShellTest, GradientRectDrawsOnlyInItsTwoDirections) {
    Canvas pane(8, 4);
    pane.SetBackColor(0);
    pane.Clear();
    GradientRect(pane, 0, 0, 8, 4, 3, 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(pane.GetPixel(3, 2), 0);
    GradientRect(pane, 0, 0, 8, 4, kGradientHorizontal, 0x000000, 0xFFFFFF);
    EXPECT_EQ(pane.GetPixel(0, 3), 0);
    EXPECT_GT(pane.GetPixel(7, 0), pane.GetPixel(4, 0));
    GradientRect(pane, 0, 0, 8, 4, kGradientVertical, 0x0000FF, 0xFF0000);
    EXPECT_EQ(pane.GetPixel(7, 0), 0x0000FF);
}

}  // namespace
}  // namespace orrin::testing
