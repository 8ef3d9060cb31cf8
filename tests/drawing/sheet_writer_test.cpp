// The drawing list on paper: every pen, curves, fills, dots and texts reach each format, a sheet at
// true scale keeps its millimetres, and the picture in memory shows the lines.

#include "drawing/sheet_writer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace quarn::testing {
namespace {

// A square of side 100 (visible), a hidden diagonal, a centre line, a thin tab, a quarter circle as a
// Bézier, a shaded triangle, a dot, the letter A1 and a Chinese caption.
Sheet EverythingSheet() {
    Sheet sheet;
    sheet.Fills.push_back({SheetPath().MoveTo({0, 0}).LineTo({50, 0}).LineTo({0, 50}).Close().Steps, 0.7, 0.8, 0.9, 0.5});
    sheet.Paths.push_back(SheetPath(Pen::Visible).AddPolyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}).Close());
    sheet.Paths.push_back(SheetPath(Pen::Hidden).MoveTo({0, 0}).LineTo({100, 100}));
    sheet.Paths.push_back(SheetPath(Pen::Centre).MoveTo({50, -10}).LineTo({50, 110}));
    sheet.Paths.push_back(SheetPath(Pen::Thin).MoveTo({100, 0}).LineTo({110, 10}));
    sheet.Paths.push_back(SheetPath(Pen::Visible).MoveTo({100, 50}).CurveTo({100, 77.6}, {77.6, 100}, {50, 100}));
    sheet.Dots.push_back({50, 50});
    sheet.Texts.push_back({TextRole::Letter, "A", "1", {0, 0}, {-0.7, -0.7}});
    sheet.Texts.push_back({TextRole::Caption, "主视图 & 50%", "", {50, -20}, {}});
    return sheet;
}

TEST(SheetWriterTest, EveryPartOfTheListReachesEachFormat) {
    const Sheet sheet = EverythingSheet();
    const PageSize page{400, 300, 1};
    const std::string svg = SheetBytes(sheet, SheetFormat::Svg, page);
    EXPECT_EQ(svg.substr(0, 5), "<?xml");
    // Two dash patterns (hidden, centre), one curve, the fill's colour at half opacity.
    const std::regex dashed("stroke-dasharray");
    EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), dashed), std::sregex_iterator()), 2);
    EXPECT_NE(svg.find(" C "), std::string::npos);
    EXPECT_NE(svg.find("fill-opacity:0.5"), std::string::npos) << svg.substr(0, 2000);
    EXPECT_EQ(SheetBytes(sheet, SheetFormat::Pdf, page).substr(0, 4), "%PDF");
    EXPECT_EQ(SheetBytes(sheet, SheetFormat::Png, page).substr(0, 4), "\x89PNG");

    const std::string tikz = SheetBytes(sheet, SheetFormat::Tikz, page);
    for (const char* part : {"\\begin{tikzpicture}", "dash pattern=on", "on 8.00pt off 2.00pt on 1.50pt", ".. controls",
                             "-- cycle", "fill opacity=0.50", "circle[radius=", "{$A_{1}$}", "{主视图 \\& 50\\%}",
                             "\\end{tikzpicture}"})
        EXPECT_NE(tikz.find(part), std::string::npos) << part << "\n" << tikz;
}

TEST(SheetWriterTest, TrueScaleKeepsMillimetresOnThePageAndInThePicture) {
    Sheet sheet;
    sheet.Paths.push_back(SheetPath(Pen::Visible).MoveTo({0, 0}).LineTo({100, 0}));
    sheet.MillimetresPerUnit = 0.5;  // 100 units: 50 mm
    const PageSize a4{595.28, 841.89, 1};
    const std::string svg = SheetBytes(sheet, SheetFormat::Svg, a4);
    std::smatch m;
    const std::regex line(R"(M ([0-9.]+) [0-9.]+ L ([0-9.]+) )");
    ASSERT_TRUE(std::regex_search(svg, m, line)) << svg;
    EXPECT_NEAR(std::stod(m[2]) - std::stod(m[1]), 50 * 72 / 25.4, 0.01);

    // At 4 pixels to the point the line is 4 * 141.73 pixels long, centred on the page.
    const int w = 800, h = 200;
    const std::vector<std::uint32_t> pixels = RenderSheetPixels(sheet, w, h, 4);
    ASSERT_EQ(pixels.size(), std::size_t(w * h));
    const auto dark = [&](int x, int y) { return (pixels[std::size_t(y) * w + x] & 0xFF) < 128; };
    const int half = int(std::lround(2 * 50 * 72 / 25.4));
    EXPECT_TRUE(dark(w / 2, h / 2));
    EXPECT_TRUE(dark(w / 2 - half + 3, h / 2));
    EXPECT_FALSE(dark(w / 2 - half - 6, h / 2));
    EXPECT_FALSE(dark(w / 2, h / 2 - 10));
    EXPECT_THROW(SheetBytes(sheet, SheetFormat::Svg, {0, 10, 1}), SheetOutputError);
}

}  // namespace
}  // namespace quarn::testing
