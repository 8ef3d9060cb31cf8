#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"

namespace quarn {
namespace {

using testing::kBlack;
using testing::MakeCanvas;
using testing::PixelsNotOf;

TEST(CanvasState, PixelsOutsideTheImageReadAsMinusOneAndIgnoreWrites) {
    Canvas canvas = MakeCanvas(5, 4, 0x123456);
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const auto& [x, y] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {-1, 0}, {0, -1}, {5, 0}, {0, 4}, {kMin, kMin}, {kMax, 2}}) {
        EXPECT_EQ(canvas.GetPixel(x, y), -1);
        canvas.SetPixel(x, y, 0xFFFFFF);
    }
    EXPECT_TRUE(PixelsNotOf(canvas, 0x123456).empty());
    canvas.SetRasterMode(kRopNot);  // SetPixel writes the colour whatever the mode
    canvas.SetPixel(4, 3, 0xABCDEF);
    EXPECT_EQ(canvas.GetPixel(4, 3), 0xABCDEF);
    EXPECT_EQ(canvas.Pixels()[4 * 5 - 1], 0xFFEFCDABu);
    EXPECT_EQ(Canvas().GetPixel(0, 0), -1);
}

TEST(CanvasState, ClearFillsWithTheBackColourThenDrawsTheBackgroundPicture) {
    auto picture = std::make_shared<Canvas>(MakeCanvas(3, 8, 0x0000FF));
    Canvas canvas(6, 4);
    canvas.SetBackColor(0xC0C0C0);
    canvas.SetBackgroundPicture(picture);
    canvas.Clear();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.GetPixel(x, y), x < 3 ? 0x0000FF : 0xC0C0C0) << x << "," << y;
    }
    canvas.SetBackgroundPicture(nullptr);
    canvas.Clear();
    EXPECT_TRUE(PixelsNotOf(canvas, 0xC0C0C0).empty());
}

TEST(CanvasState, ResizeKeepsWhatFitsAndGivesNewPixelsTheBackColour) {
    Canvas canvas = MakeCanvas(4, 3, kBlack);
    canvas.SetPixel(1, 1, 0x00FF00);
    canvas.SetPixel(3, 2, 0x0000FF);
    canvas.SetBackColor(0xFFFFFF);
    canvas.Resize(6, 2);
    EXPECT_EQ(canvas.Width(), 6);
    EXPECT_EQ(canvas.Height(), 2);
    EXPECT_EQ(canvas.GetPixel(1, 1), 0x00FF00);
    EXPECT_EQ(canvas.GetPixel(3, 1), kBlack);
    EXPECT_EQ(canvas.GetPixel(4, 0), 0xFFFFFF);
    EXPECT_EQ(canvas.GetPixel(3, 2), -1);
    canvas.Resize(-3, 5);
    EXPECT_EQ(canvas.Width(), 0);
    canvas.Polygon(std::vector<CanvasPoint>{{0, 0}, {9, 0}, {0, 9}}.data(), 3);  // nothing to draw on
    EXPECT_THROW(canvas.Resize(1 << 20, 1 << 20), std::length_error);
}

TEST(CanvasState, PngFilesRoundTripAndBadFilesThrow) {
    Canvas canvas = MakeCanvas(7, 5, 0x102030);
    canvas.SetPixel(0, 0, 0xFFFFFF);
    canvas.SetPixel(6, 4, 0x0000FF);
    const std::string path = std::string(ORRIN_TEST_OUTPUT) + "/canvas_round_trip.png";
    canvas.WritePng(path);
    const Canvas read = Canvas::ReadPng(path);
    ASSERT_EQ(read.Width(), 7);
    ASSERT_EQ(read.Height(), 5);
    EXPECT_EQ(std::vector<std::uint32_t>(read.Pixels(), read.Pixels() + 35),
              std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 35));

    EXPECT_THROW(Canvas::ReadPng(std::string(ORRIN_TEST_OUTPUT) + "/no_such_file.png"), std::runtime_error);
    const std::string garbage = std::string(ORRIN_TEST_OUTPUT) + "/not_a_png.png";
    std::ofstream(garbage) << "\x89PNG but not really";
    EXPECT_THROW(Canvas::ReadPng(garbage), std::runtime_error);
    EXPECT_THROW(Canvas().WritePng(std::string(ORRIN_TEST_OUTPUT) + "/empty.png"), std::runtime_error);
    EXPECT_THROW(canvas.WritePng(std::string(ORRIN_TEST_OUTPUT) + "/no_such_dir/x.png"), std::runtime_error);
}

}  // namespace
}  // namespace quarn
