#include <gtest/gtest.h>

#include "canvas_test_support.hpp"
#include "platform/canvas.hpp"
#include "support/recording_ui.hpp"

namespace quarn {
namespace {

using testing::kBlack;
using testing::MakeCanvas;
using testing::PixelsNotOf;

class CanvasText : public ::testing::Test {
protected:
    void TearDown() override { UseCanvasFontFile(""); }
};

TEST_F(CanvasText, LatinAndChineseTextDrawsInThePenColourNearTheAnchor) {
    RecordingUi ui;
    for (const std::string text : {"A", "立体图形"}) {
        Canvas canvas = MakeCanvas(120, 40, kBlack);
        canvas.SetPenColor(0x00FFFF);
        canvas.SetRasterMode(kRopNot);  // text ignores the raster mode
        canvas.TextOut(10, 8, text);
        const CanvasTextExtent extent = canvas.MeasureText(text);
        EXPECT_GE(extent.height, 12);
        EXPECT_GE(extent.width, text == "A" ? 6 : 40);
        int penPixels = 0;
        for (const auto& [x, y] : PixelsNotOf(canvas, kBlack)) {
            EXPECT_GE(x, 9);
            EXPECT_LT(x, 10 + extent.width + 1);
            EXPECT_GE(y, 8);
            EXPECT_LT(y, 8 + extent.height);
            if (canvas.GetPixel(x, y) == 0x00FFFF) ++penPixels;
        }
        EXPECT_GE(penPixels, text == "A" ? 3 : 40) << text;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CanvasText, TextPartlyOrWhollyOutsideAndMalformedTextDrawSafely) {
    Canvas canvas = MakeCanvas(30, 10, kBlack);
    canvas.SetPenColor(0xFFFFFF);
    canvas.TextOut(-6, -7, "立体");
    EXPECT_FALSE(PixelsNotOf(canvas, kBlack).empty());
    Canvas untouched = MakeCanvas(30, 10, kBlack);
    untouched.SetPenColor(0xFFFFFF);
    untouched.TextOut(2147483600, 0, "AAAAAAAAAA");
    untouched.TextOut(-2147483647 - 1, -2147483647 - 1, "图形");
    untouched.TextOut(0, 2147483647, "A");
    EXPECT_TRUE(PixelsNotOf(untouched, kBlack).empty());
    canvas.TextOut(0, 0, std::string("\xFF\xC0\x80\xE7\xAB\n\x01 A", 9));
}

TEST_F(CanvasText, AMissingFontIsReportedOnceAndDrawsNothing) {
    RecordingUi ui;
    UseCanvasFontFile(std::string(ORRIN_TEST_OUTPUT) + "/no_such_font.ttf");
    Canvas canvas = MakeCanvas(40, 20, kBlack);
    canvas.SetPenColor(0xFFFFFF);
    canvas.TextOut(2, 2, "A");
    canvas.TextOut(2, 2, "立体图形");
    EXPECT_EQ(canvas.MeasureText("A").width, 0);
    EXPECT_TRUE(PixelsNotOf(canvas, kBlack).empty());
    EXPECT_EQ(ui.messages.size(), 1u);
    UseCanvasFontFile("");
    canvas.TextOut(2, 2, "A");
    EXPECT_FALSE(PixelsNotOf(canvas, kBlack).empty());
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace quarn
