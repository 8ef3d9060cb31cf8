#include <gtest/gtest.h>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"

namespace quarn {
namespace {

TEST(CanvasRasterOps, EveryModeMatchesItsDefinition) {
    struct Case {
        int mode;
        std::uint32_t (*expected)(std::uint32_t screen, std::uint32_t pen);
    };
    const Case cases[] = {
        {1, [](std::uint32_t, std::uint32_t) { return 0u; }},
        {2, [](std::uint32_t d, std::uint32_t p) { return ~(d | p); }},
        {3, [](std::uint32_t d, std::uint32_t p) { return d & ~p; }},
        {4, [](std::uint32_t, std::uint32_t p) { return ~p; }},
        {5, [](std::uint32_t d, std::uint32_t p) { return p & ~d; }},
        {6, [](std::uint32_t d, std::uint32_t) { return ~d; }},
        {7, [](std::uint32_t d, std::uint32_t p) { return d ^ p; }},
        {8, [](std::uint32_t d, std::uint32_t p) { return ~(d & p); }},
        {9, [](std::uint32_t d, std::uint32_t p) { return d & p; }},
        {10, [](std::uint32_t d, std::uint32_t p) { return ~(d ^ p); }},
        {11, [](std::uint32_t d, std::uint32_t) { return d; }},
        {12, [](std::uint32_t d, std::uint32_t p) { return d | ~p; }},
        {13, [](std::uint32_t, std::uint32_t p) { return p; }},
        {14, [](std::uint32_t d, std::uint32_t p) { return p | ~d; }},
        {15, [](std::uint32_t d, std::uint32_t p) { return d | p; }},
        {16, [](std::uint32_t, std::uint32_t) { return 0xFFFFFFFFu; }},
    };
    const std::uint32_t screens[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF3C5A96u, 0xFFC0C0C0u};
    const std::uint32_t pens[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF0F0FF0u, 0xFF808080u};
    for (const Case& c : cases) {
        for (const std::uint32_t screen : screens) {
            for (const std::uint32_t pen : pens) {
                const std::uint32_t got = ApplyRop2(screen, pen, c.mode);
                EXPECT_EQ(got, c.expected(screen, pen) | 0xFF000000u)
                    << "mode " << c.mode << " screen " << std::hex << screen << " pen " << pen;
            }
        }
    }
    EXPECT_EQ(ApplyRop2(0xFF123456u, 0xFFFFFFFFu, 0), 0xFF123456u);  // no such mode: screen kept
    EXPECT_EQ(ApplyRop2(0xFF123456u, 0xFFFFFFFFu, 17), 0xFF123456u);
}

TEST(CanvasRasterOps, PackedColoursMapToStoredPixels) {
    EXPECT_EQ(PixelFromColor(0x0000FF), 0xFFFF0000u);  // red is the low byte of a packed colour
    EXPECT_EQ(PixelFromColor(0xFF0000), 0xFF0000FFu);
    EXPECT_EQ(PixelFromColor(0x123456), 0xFF563412u);
    EXPECT_EQ(PixelFromColor(-1), 0xFFFFFFFFu);  // bits above the colour are ignored
    EXPECT_EQ(ColorFromPixel(0xFF563412u), 0x123456);
    EXPECT_EQ(ColorFromPixel(PixelFromColor(0xC0C0C0)), 0xC0C0C0);
}

TEST(CanvasRasterOps, ModesApplyOnAKnownBackgroundAndKeepPixelsOpaque) {
    // A 2x2 square filled with a red brush on grey, in every mode.
    const CanvasPoint square[] = {{1, 1}, {3, 1}, {3, 3}, {1, 3}};
    for (int mode = 1; mode <= 16; ++mode) {
        Canvas canvas = testing::MakeCanvas(5, 5, 0x808080);
        canvas.SetPenStyle(kPenNone);
        canvas.SetBrushColor(0x0000FF);
        canvas.SetRasterMode(mode);
        canvas.Polygon(square, 4);
        const std::uint32_t expected = ApplyRop2(PixelFromColor(0x808080), PixelFromColor(0x0000FF), mode);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool inside = x >= 1 && x < 3 && y >= 1 && y < 3;
                const std::uint32_t pixel = canvas.Row(y)[x];
                EXPECT_EQ(pixel, inside ? expected : PixelFromColor(0x808080))
                    << mode << " " << x << "," << y;
                EXPECT_EQ(pixel >> 24, 0xFFu);
            }
        }
    }
}

TEST(CanvasRasterOps, AModeOutsideTheSixteenIsRefused) {
    Canvas canvas(1, 1);
    canvas.SetRasterMode(kRopNot);
    canvas.SetRasterMode(0);
    canvas.SetRasterMode(17);
    EXPECT_EQ(canvas.RasterMode(), kRopNot);
}

}  // namespace
}  // namespace quarn
