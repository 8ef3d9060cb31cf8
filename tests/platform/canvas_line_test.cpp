#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <deque>
#include <random>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"

namespace quarn {
namespace {

using testing::kBlack;
using testing::kWhite;
using testing::MakeCanvas;
using testing::PixelsNotOf;
using PixelSet = std::set<std::pair<int, int>>;

PixelSet DrawLine(int width, int height, CanvasPoint from, CanvasPoint to) {
    Canvas canvas = MakeCanvas(width, height, kBlack);
    canvas.SetPenColor(kWhite);
    canvas.MoveToEx(from.x, from.y);
    canvas.LineTo(to.x, to.y);
    return PixelsNotOf(canvas, kBlack);
}

// True when every pixel of the set can be reached from start through 8-neighbours in the set.
bool IsConnected(const PixelSet& pixels, std::pair<int, int> start) {
    PixelSet seen = {start};
    std::deque<std::pair<int, int>> queue = {start};
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const std::pair<int, int> next{x + dx, y + dy};
                if (pixels.count(next) != 0 && seen.insert(next).second) queue.push_back(next);
            }
        }
    }
    return seen == pixels;
}

TEST(CanvasLine, LineToLeavesOutItsEndAndMovesThePosition) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        const CanvasPoint a{static_cast<std::int32_t>(random() % 40),
                            static_cast<std::int32_t>(random() % 30)};
        const CanvasPoint b{static_cast<std::int32_t>(random() % 40),
                            static_cast<std::int32_t>(random() % 30)};
        const PixelSet forward = DrawLine(40, 30, a, b);
        const PixelSet backward = DrawLine(40, 30, b, a);
        const auto steps = static_cast<std::size_t>(std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)));
        ASSERT_EQ(forward.size(), steps);
        EXPECT_EQ(forward.count({b.x, b.y}), 0u);
        if (steps > 0) {
            EXPECT_EQ(forward.count({a.x, a.y}), 1u);
            EXPECT_TRUE(IsConnected(forward, {a.x, a.y}));
        }
        // Both directions cover the same pixels apart from the left-out end.
        PixelSet forwardClosed = forward;
        forwardClosed.insert({b.x, b.y});
        PixelSet backwardClosed = backward;
        backwardClosed.insert({a.x, a.y});
        EXPECT_EQ(forwardClosed, backwardClosed);
    }
    Canvas canvas = MakeCanvas(10, 10, kBlack);
    canvas.SetPenStyle(kPenNone);
    canvas.MoveToEx(1, 1);
    canvas.LineTo(8, 3);
    EXPECT_TRUE(PixelsNotOf(canvas, kBlack).empty());
    EXPECT_EQ(canvas.CurrentPosition().x, 8);
    EXPECT_EQ(canvas.CurrentPosition().y, 3);
}

TEST(CanvasLine, ClippedLinesKeepThePixelsTheyHaveUnclipped) {
    // A line on a 30x20 canvas against the same line on a canvas that holds all of it.
    std::mt19937 random(5);
    const auto coordinate = [&] { return static_cast<std::int32_t>(random() % 140) - 50; };
    for (int round = 0; round < 300; ++round) {
        const CanvasPoint a{coordinate(), coordinate()};
        const CanvasPoint b{coordinate(), coordinate()};
        const PixelSet whole = DrawLine(160, 160, {a.x + 60, a.y + 60}, {b.x + 60, b.y + 60});
        PixelSet expected;
        for (const auto& [x, y] : whole) {
            if (x >= 60 && x < 90 && y >= 60 && y < 80) expected.insert({x - 60, y - 60});
        }
        ASSERT_EQ(DrawLine(30, 20, a, b), expected) << a.x << "," << a.y << " " << b.x << "," << b.y;
    }
}

TEST(CanvasLine, HugeCoordinatesDrawTheRightPixelsQuickly) {
    const auto started = std::chrono::steady_clock::now();
    PixelSet expected;
    for (int x = 0; x < 100; ++x) expected.insert({x, 6});  // y = 6 + x / 2e9 across the picture
    EXPECT_EQ(DrawLine(100, 20, {-2000000000, 5}, {2000000000, 7}), expected);
    EXPECT_EQ(DrawLine(100, 20, {2000000000, 7}, {-2000000000, 5}), expected);
    const PixelSet steep = DrawLine(20, 100, {-2147483647 - 1, -2147483647 - 1}, {2147483647, 2147483647});
    EXPECT_EQ(steep.size(), 20u);  // the diagonal y = x, on the 20 columns there are
    EXPECT_TRUE(DrawLine(100, 20, {-2000000000, -5}, {2000000000, -7}).empty());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 0.5);
}

TEST(CanvasLine, InvertingALineTwiceRestoresThePicture) {
    Canvas canvas = MakeCanvas(30, 30, 0x405060);
    const std::vector<std::uint32_t> before(canvas.Pixels(), canvas.Pixels() + 900);
    canvas.SetRasterMode(kRopNot);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.MoveToEx(2, 3);
        canvas.LineTo(27, 19);
        if (pass == 0) {
            EXPECT_EQ(canvas.GetPixel(2, 3), 0xBFAF9F);
        }
    }
    EXPECT_EQ(std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 900), before);
}

TEST(CanvasBezier, ACurveRunsSmoothlyFromItsFirstToItsLastPoint) {
    const int width = 200;
    const int height = 150;
    const CanvasPoint control[] = {{-10, 140}, {60, -120}, {150, 300}, {210, 5}};
    Canvas xored = MakeCanvas(width, height, kBlack);
    Canvas copied = MakeCanvas(width, height, kBlack);
    for (Canvas* canvas : {&xored, &copied}) {
        canvas->SetPenColor(0x000001);
        canvas->SetRasterMode(canvas == &xored ? 7 : kRopCopyPen);
        canvas->PolyBezier(control, 4);
    }
    const PixelSet drawn = PixelsNotOf(copied, kBlack);
    EXPECT_EQ(PixelsNotOf(xored, kBlack), drawn);  // each pixel touched once

    // Every pixel lies within a pixel of the exact curve, and the pixels form one chain.
    std::vector<std::pair<double, double>> curve;
    for (int i = 0; i <= 20000; ++i) {
        const double t = i / 20000.0;
        const double s = 1 - t;
        const auto at = [&](auto member) {
            return s * s * s * (control[0].*member) + 3 * s * s * t * (control[1].*member) +
                   3 * s * t * t * (control[2].*member) + t * t * t * (control[3].*member);
        };
        curve.push_back({at(&CanvasPoint::x), at(&CanvasPoint::y)});
    }
    for (const auto& [x, y] : drawn) {
        double nearest = 1e9;
        for (const auto& [cx, cy] : curve) nearest = std::min(nearest, std::hypot(cx - x, cy - y));
        ASSERT_LE(nearest, 1.0) << x << "," << y;
    }
    ASSERT_FALSE(drawn.empty());
    EXPECT_TRUE(IsConnected(drawn, *drawn.begin()));

    // Both ends are drawn.
    const CanvasPoint open[] = {{5, 5}, {50, 100}, {120, 0}, {190, 140}};
    Canvas ends = MakeCanvas(width, height, kBlack);
    ends.SetPenColor(kWhite);
    ends.PolyBezier(open, 4);
    EXPECT_EQ(ends.GetPixel(5, 5), kWhite);
    EXPECT_EQ(ends.GetPixel(190, 140), kWhite);
}

TEST(CanvasBezier, PointCountsOtherThanOnePlusThreeNDrawNothingAndHugePointsAreQuick) {
    const CanvasPoint points[] = {{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}, {50, 10}, {60, 0}};
    for (const int count : {0, 1, 2, 3, 5, 6}) {
        Canvas canvas = MakeCanvas(64, 16, kBlack);
        canvas.SetPenColor(kWhite);
        canvas.PolyBezier(points, count);
        EXPECT_TRUE(PixelsNotOf(canvas, kBlack).empty()) << count;
    }
    Canvas two = MakeCanvas(64, 16, kBlack);
    two.SetPenColor(kWhite);
    two.PolyBezier(points, 7);
    EXPECT_EQ(two.GetPixel(30, 10), kWhite);  // the joint between the two curves
    EXPECT_EQ(two.GetPixel(60, 0), kWhite);

    const auto started = std::chrono::steady_clock::now();
    const CanvasPoint huge[] = {
        {-2000000000, 50}, {-1000000000, -2000000000}, {2000000000, 2000000000}, {2000000000, 60}};
    Canvas canvas = MakeCanvas(300, 200, kBlack);
    canvas.SetPenColor(kWhite);
    canvas.PolyBezier(huge, 4);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 0.5);
}

}  // namespace
}  // namespace quarn
