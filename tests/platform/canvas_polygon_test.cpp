#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"

namespace quarn {
namespace {

using testing::kBlack;
using testing::kWhite;
using testing::MakeCanvas;
using testing::PixelsNotOf;

// Fills each polygon with no pen in XOR mode with colour 1 on black: a pixel hit an even number of
// times stays black. Also fills them in copy mode; the two agree only when no pixel is hit twice.
void ExpectEachPixelFilledOnce(const std::vector<std::vector<CanvasPoint>>& polygons, int width, int height,
                               const std::vector<CanvasPoint>& outline) {
    Canvas once = MakeCanvas(width, height, kBlack);
    Canvas copied = MakeCanvas(width, height, kBlack);
    for (Canvas* canvas : {&once, &copied}) {
        canvas->SetPenStyle(kPenNone);
        canvas->SetBrushColor(0x000001);
        canvas->SetRasterMode(canvas == &once ? 7 : kRopCopyPen);
        for (const auto& polygon : polygons)
            canvas->Polygon(polygon.data(), static_cast<int>(polygon.size()));
    }
    const auto hit = PixelsNotOf(copied, kBlack);
    EXPECT_EQ(PixelsNotOf(once, kBlack), hit) << "a pixel was filled twice";
    // No gaps: the pieces cover exactly what the outline polygon covers.
    std::set<std::pair<int, int>> expected;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (testing::InsideByRule(outline, x, y)) expected.insert({x, y});
        }
    }
    EXPECT_EQ(hit, expected);
}

TEST(CanvasPolygon, TwoTrianglesSplittingARectangleInvertEachPixelOnce) {
    Canvas canvas = MakeCanvas(16, 12, 0x336699);
    canvas.SetPenStyle(kPenNone);
    canvas.SetRasterMode(kRopNot);
    const CanvasPoint upper[] = {{2, 3}, {12, 3}, {12, 9}};
    const CanvasPoint lower[] = {{2, 3}, {12, 9}, {2, 9}};
    canvas.Polygon(upper, 3);
    canvas.Polygon(lower, 3);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 2 && x < 12 && y >= 3 && y < 9;  // right and bottom edges left out
            EXPECT_EQ(canvas.GetPixel(x, y), inside ? 0xCC9966 : 0x336699) << x << "," << y;
        }
    }
}

TEST(CanvasPolygon, TheOutlineTouchesEachPixelOnceAndInvertingTwiceRestores) {
    const std::vector<std::vector<CanvasPoint>> triangles = {{{3, 3}, {40, 9}, {12, 30}},
                                                             {{0, 0}, {30, 1}, {30, 0}},
                                                             {{5, 5}, {6, 30}, {5, 31}},
                                                             {{-20, 10}, {60, 12}, {20, 50}},
                                                             {{10, 10}, {10, 10}, {20, 20}}};
    for (const auto& triangle : triangles) {
        Canvas xored = MakeCanvas(48, 40, kBlack);
        Canvas copied = MakeCanvas(48, 40, kBlack);
        for (Canvas* canvas : {&xored, &copied}) {
            canvas->SetBrushStyle(kBrushHollow);
            canvas->SetPenColor(0x000001);
            canvas->SetRasterMode(canvas == &xored ? 7 : kRopCopyPen);
            canvas->Polygon(triangle.data(), 3);
        }
        EXPECT_FALSE(PixelsNotOf(copied, kBlack).empty());
        EXPECT_EQ(PixelsNotOf(xored, kBlack), PixelsNotOf(copied, kBlack));

        Canvas canvas = MakeCanvas(48, 40, 0x204060);
        canvas.SetPixel(20, 20, 0xABCDEF);
        const std::vector<std::uint32_t> before(canvas.Pixels(), canvas.Pixels() + 48 * 40);
        canvas.SetRasterMode(kRopNot);
        canvas.SetBrushStyle(kBrushHollow);
        canvas.Polygon(triangle.data(), 3);
        EXPECT_NE(std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 48 * 40), before);
        canvas.Polygon(triangle.data(), 3);
        EXPECT_EQ(std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 48 * 40), before);
    }
}

TEST(CanvasPolygon, PenAndBrushFollowTheirStyles) {
    const CanvasPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    Canvas canvas = MakeCanvas(8, 8, kBlack);
    canvas.SetPenColor(0x0000FF);
    canvas.SetBrushColor(0x00FF00);
    canvas.Polygon(square, 4);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inBox = x >= 1 && x <= 5 && y >= 1 && y <= 5;
            const bool onBorder = inBox && (x == 1 || x == 5 || y == 1 || y == 5);
            EXPECT_EQ(canvas.GetPixel(x, y), onBorder ? 0x0000FF : (inBox ? 0x00FF00 : kBlack))
                << x << "," << y;
        }
    }
    // Hollow brush and no pen draw nothing; fewer than two points draw nothing.
    Canvas blank = MakeCanvas(8, 8, kBlack);
    blank.SetPenStyle(kPenNone);
    blank.SetBrushStyle(kBrushHollow);
    blank.Polygon(square, 4);
    blank.SetPenStyle(kPenSolid);
    blank.SetBrushStyle(kBrushSolid);
    blank.Polygon(square, 1);
    blank.Polygon(nullptr, 3);
    EXPECT_TRUE(PixelsNotOf(blank, kBlack).empty());
}

TEST(CanvasPolygon, AWhiteMarkerInPenAndNotScreenModeInvertsAndATwinCancelsIt) {
    // The shade strip's markers: two equal wedges drawn in mode 5 with a white brush cancel out.
    Canvas canvas = MakeCanvas(40, 18, 0x102030);
    canvas.SetPixel(20, 10, 0xFFFFFF);
    const std::vector<std::uint32_t> before(canvas.Pixels(), canvas.Pixels() + 40 * 18);
    canvas.SetPenStyle(kPenNone);
    canvas.SetBrushColor(kWhite);
    canvas.SetRasterMode(kRopMaskPenNot);
    const CanvasPoint wedge[] = {{20, 0}, {20 + 270, 540}, {20 - 270, 540}};
    canvas.Polygon(wedge, 3);
    EXPECT_EQ(canvas.GetPixel(20, 4), 0xEFDFCF);
    EXPECT_EQ(canvas.GetPixel(20, 10), kBlack);
    EXPECT_EQ(canvas.GetPixel(0, 2), 0x102030);  // outside the wedge
    canvas.Polygon(wedge, 3);
    EXPECT_EQ(std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 40 * 18), before);
}

TEST(CanvasPolygon, RandomFansAndStripsFillEachPixelOnce) {
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        // A fan round a centre: a star-shaped outline, neighbouring corners 13 to 144 degrees apart.
        const int corners = 4 + static_cast<int>(random() % 8);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const CanvasPoint centre{static_cast<std::int32_t>(20 + random() % 24),
                                 static_cast<std::int32_t>(15 + random() % 20)};
        std::vector<CanvasPoint> rim;
        for (int i = 0; i < corners; ++i) {
            const double a = (i + 0.6 * unit(random)) * 6.283185307 / corners;
            const double r = 8.0 + 32.0 * unit(random);
            rim.push_back({centre.x + static_cast<std::int32_t>(std::lround(r * std::cos(a))),
                           centre.y + static_cast<std::int32_t>(std::lround(r * std::sin(a)))});
        }
        std::vector<std::vector<CanvasPoint>> fan;
        for (std::size_t i = 0; i < rim.size(); ++i)
            fan.push_back({centre, rim[i], rim[(i + 1) % rim.size()]});
        ExpectEachPixelFilledOnce(fan, 64, 48, rim);

        // A strip between an upper and a lower zigzag over shared columns.
        std::vector<CanvasPoint> upper;
        std::vector<CanvasPoint> lower;
        for (int x = -5 + static_cast<int>(random() % 6); x < 70; x += 1 + static_cast<int>(random() % 12)) {
            const int top = static_cast<int>(random() % 30) - 4;
            upper.push_back({x, top});
            lower.push_back({x, top + 1 + static_cast<int>(random() % 30)});
        }
        std::vector<std::vector<CanvasPoint>> strip;
        for (std::size_t i = 0; i + 1 < upper.size(); ++i) {
            strip.push_back({upper[i], lower[i], upper[i + 1]});
            strip.push_back({lower[i], lower[i + 1], upper[i + 1]});
        }
        std::vector<CanvasPoint> band = upper;
        band.insert(band.end(), lower.rbegin(), lower.rend());
        ExpectEachPixelFilledOnce(strip, 64, 48, band);
    }
}

TEST(CanvasPolygon, HugeCoordinatesFillTheRightPixelsQuickly) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // Anything in the 32-bit range, compared with the rule evaluated pixel by pixel.
    std::mt19937 random(11);
    const std::int32_t picks[] = {kMin, kMax, -1000000000, 1000000000, -3, 0, 17, 39, 45};
    const auto pick = [&] {
        return random() % 3 == 0 ? picks[random() % 9] : static_cast<std::int32_t>(random() % 80) - 20;
    };
    const auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 200; ++round) {
        const std::vector<CanvasPoint> triangle = {{pick(), pick()}, {pick(), pick()}, {pick(), pick()}};
        std::set<std::pair<int, int>> expected;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (testing::InsideByRule(triangle, x, y)) expected.insert({x, y});
            }
        }
        Canvas canvas = MakeCanvas(40, 30, kBlack);
        canvas.SetPenStyle(kPenNone);
        canvas.SetBrushColor(kWhite);
        canvas.Polygon(triangle.data(), 3);
        ASSERT_EQ(PixelsNotOf(canvas, kBlack), expected)
            << triangle[0].x << "," << triangle[0].y << " " << triangle[1].x << "," << triangle[1].y << " "
            << triangle[2].x << "," << triangle[2].y;
    }
    // A corner far outside: below the diagonal through the origin.
    Canvas canvas = MakeCanvas(300, 200, kBlack);
    canvas.SetPenStyle(kPenNone);
    canvas.SetBrushColor(kWhite);
    const CanvasPoint far[] = {{0, 0}, {1000000000, 1000000000}, {0, 1000000000}};
    canvas.Polygon(far, 3);
    EXPECT_EQ(canvas.GetPixel(0, 199), kWhite);
    EXPECT_EQ(canvas.GetPixel(150, 151), kWhite);
    EXPECT_EQ(canvas.GetPixel(151, 150), kBlack);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 2.0);
}

}  // namespace
}  // namespace quarn
