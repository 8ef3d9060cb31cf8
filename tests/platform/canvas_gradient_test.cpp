#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"
#include "platform/reference_path.hpp"

namespace quarn {
namespace {

using testing::kBlack;
using testing::MakeCanvas;
using testing::PixelsNotOf;

// A vertex carrying an 8-bit colour in the high bytes of its channels, as the callers encode it.
GradientVertex Vertex(std::int32_t x, std::int32_t y, int red, int green, int blue) {
    return {x,
            y,
            static_cast<std::uint16_t>(red << 8),
            static_cast<std::uint16_t>(green << 8),
            static_cast<std::uint16_t>(blue << 8),
            0};
}

std::int32_t Packed(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

TEST(CanvasGradient, ATriangleHasItsCornerColoursAtItsCornersAndTheirMeanAtItsCentre) {
    Canvas canvas = MakeCanvas(40, 40, kBlack);
    const GradientVertex vertices[] = {Vertex(3, 3, 255, 0, 0), Vertex(33, 3, 0, 255, 0),
                                       Vertex(3, 33, 0, 0, 255)};
    const std::uint32_t triangle[] = {0, 1, 2};
    canvas.GradientFill(vertices, 3, triangle, 1, GradientMode::Triangle);
    EXPECT_EQ(canvas.GetPixel(3, 3), Packed(255, 0, 0));
    EXPECT_EQ(canvas.GetPixel(33, 3), Packed(0, 255, 0));
    EXPECT_EQ(canvas.GetPixel(3, 33), Packed(0, 0, 255));
    EXPECT_EQ(canvas.GetPixel(13, 13), Packed(85, 85, 85));  // the centroid
    EXPECT_EQ(canvas.GetPixel(18, 3), Packed(127, 127, 0));  // halfway along the top edge
    EXPECT_EQ(canvas.GetPixel(2, 3), kBlack);
    EXPECT_EQ(canvas.GetPixel(19, 19), kBlack);  // just beyond the long edge

    // 128 arrives as 0x8000; corners far outside still shade the visible part.
    const GradientVertex grey[] = {Vertex(-1000000000, -5, 128, 128, 128),
                                   Vertex(1000000000, -5, 128, 128, 128),
                                   Vertex(20, 1000000000, 128, 128, 128)};
    canvas.GradientFill(grey, 3, triangle, 1, GradientMode::Triangle);
    EXPECT_TRUE(PixelsNotOf(canvas, Packed(128, 128, 128)).empty());
}

TEST(CanvasGradient, TrianglesSharingAnEdgeLeaveNoGap) {
    Canvas canvas = MakeCanvas(30, 30, kBlack);
    const GradientVertex vertices[] = {Vertex(2, 2, 200, 10, 10), Vertex(27, 5, 10, 200, 10),
                                       Vertex(25, 28, 10, 10, 200), Vertex(4, 26, 90, 90, 90)};
    const std::uint32_t triangles[] = {0, 1, 2, 0, 2, 3};
    canvas.GradientFill(vertices, 4, triangles, 2, GradientMode::Triangle);
    const std::vector<CanvasPoint> quad = {{2, 2}, {27, 5}, {25, 28}, {4, 26}};
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (testing::InsideByRule(quad, x, y)) {
                EXPECT_NE(canvas.GetPixel(x, y), kBlack) << x << "," << y;
            }
        }
    }
}

TEST(CanvasGradient, RectanglesShadeAcrossOrDownAndLeaveOutTheirFarEdges) {
    Canvas across = MakeCanvas(12, 6, kBlack);
    const GradientVertex vertices[] = {Vertex(1, 1, 0, 0, 0), Vertex(11, 5, 255, 255, 255)};
    const std::uint32_t rect[] = {0, 1};
    across.GradientFill(vertices, 2, rect, 1, GradientMode::RectHorizontal);
    EXPECT_EQ(across.GetPixel(1, 1), Packed(0, 0, 0));
    EXPECT_EQ(across.GetPixel(6, 1), Packed(127, 127, 127));
    EXPECT_EQ(across.GetPixel(6, 4), Packed(127, 127, 127));
    EXPECT_EQ(across.GetPixel(10, 2), Packed(229, 229, 229));
    EXPECT_EQ(across.GetPixel(11, 2), kBlack);
    EXPECT_EQ(across.GetPixel(5, 5), kBlack);

    Canvas down = MakeCanvas(4, 100, kBlack);
    // The hue strip's magenta-to-red band and the next band meet without gap or overlap.
    const GradientVertex bands[] = {Vertex(0, 0, 255, 0, 255), Vertex(4, 17, 255, 0, 0),
                                    Vertex(0, 17, 255, 0, 0), Vertex(4, 33, 255, 255, 0)};
    const std::uint32_t both[] = {0, 1, 2, 3};
    down.GradientFill(bands, 4, both, 2, GradientMode::RectVertical);
    EXPECT_EQ(down.GetPixel(0, 0), Packed(255, 0, 255));
    EXPECT_EQ(down.GetPixel(3, 16), Packed(255, 0, 15));
    EXPECT_EQ(down.GetPixel(3, 17), Packed(255, 0, 0));
    EXPECT_EQ(down.GetPixel(0, 32), Packed(255, 239, 0));
    EXPECT_EQ(down.GetPixel(0, 33), kBlack);
}

TEST(CanvasGradient, AnIndexOutsideTheVerticesRefusesTheWholeCall) {
    Canvas canvas = MakeCanvas(10, 10, kBlack);
    const GradientVertex vertices[] = {Vertex(0, 0, 255, 255, 255), Vertex(10, 10, 255, 255, 255)};
    const std::uint32_t rects[] = {0, 1, 0, 2};
    canvas.GradientFill(vertices, 2, rects, 2, GradientMode::RectHorizontal);
    canvas.GradientFill(vertices, 2, rects, 1, static_cast<GradientMode>(7));
    EXPECT_TRUE(PixelsNotOf(canvas, kBlack).empty());
}

// The triangle scan and the narrow gradient weights stand in for the general polygon scan and the
// 128-bit weights; both ways must give the same pixels, for triangles inside the canvas, across its
// edges and with corners anywhere in the 32-bit range.
TEST(CanvasGradient, FastTriangleFillsMatchTheReferenceFills) {
    std::mt19937 random(7);
    auto coordinate = [&](int range) {
        const int kind = static_cast<int>(random() % 4);
        if (kind == 0) return static_cast<std::int32_t>(random());  // anywhere in 32 bits
        return static_cast<std::int32_t>(random() % static_cast<unsigned>(range)) - range / 4;
    };
    auto draw = [&](bool reference, const std::vector<GradientVertex>& corners) {
        UseReferencePath(reference);
        Canvas canvas = testing::MakeCanvas(97, 61, testing::kBlack);
        canvas.SetPenStyle(kPenNone);
        for (std::size_t k = 0; k < corners.size(); k += 3) {
            const CanvasPoint points[3] = {{corners[k].x, corners[k].y},
                                           {corners[k + 1].x, corners[k + 1].y},
                                           {corners[k + 2].x, corners[k + 2].y}};
            const std::uint32_t triangle[3] = {0, 1, 2};
            canvas.GradientFill(&corners[k], 3, triangle, 1, GradientMode::Triangle);
            canvas.SetRasterMode(k % 2 == 0 ? kRopCopyPen : 7);
            canvas.SetBrushColor(static_cast<std::int32_t>(k * 40503u & 0xFFFFFF));
            canvas.Polygon(points, 3);
        }
        UseReferencePath(false);
        return std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 97 * 61);
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<GradientVertex> corners;
        for (int k = 0; k < 12; ++k) {
            const auto channel = [&] { return static_cast<std::uint16_t>(random() & 0xFFFF); };
            corners.push_back({coordinate(140), coordinate(90), channel(), channel(), channel(), 0});
        }
        ASSERT_TRUE(draw(false, corners) == draw(true, corners)) << "round " << round;
    }
}

}  // namespace
}  // namespace quarn
