// orrin-render --section: the section in the --info report and in the textbook drawing, and the planes
// it refuses with one line.

#include <nlohmann/json.hpp>

#include "run_program.hpp"

namespace orrin {
namespace {

using nlohmann::json;

TEST(SectionRenderTest, TheInfoReportCarriesTheSectionAndTheDrawingShowsIt) {
    const RunResult hexagon = RunProgram({"cube", "--section", "point:0,0,0;normal:dir(A,C1)", "--info"});
    ASSERT_EQ(hexagon.exitCode, 0) << hexagon.err;
    const json section = json::parse(hexagon.out)["section"];
    EXPECT_EQ(section["shape"], "regular-hexagon");
    EXPECT_EQ(section["name"], "正六边形");
    EXPECT_EQ(section["areaText"], "1200√3");
    EXPECT_NEAR(section["area"].get<double>(), 1200 * std::sqrt(3.0), 1e-3);
    ASSERT_EQ(section["polygons"].size(), 1u);
    EXPECT_EQ(section["polygons"][0].size(), 6u);
    EXPECT_EQ(section["sides"].size(), 6u);
    // A family's corners name the plane as well.
    const json triangle = json::parse(
        RunProgram({"cuboid:a=40,b=40,c=40", "--section", "through:A,C,D1", "--info"}).out)["section"];
    EXPECT_EQ(triangle["shape"], "equilateral-triangle");
    EXPECT_EQ(triangle["areaText"], "800√3");

    // A plane beside the solid: an empty section that says so, and success.
    const RunResult miss = RunProgram({"cube", "--section", "point:0,50,0;normal:0,1,0", "--info"});
    EXPECT_EQ(miss.exitCode, 0);
    EXPECT_EQ(json::parse(miss.out)["section"]["polygons"].size(), 0u);
    EXPECT_NE(miss.err.find("misses the solid"), std::string::npos) << miss.err;

    const std::string svg = OutputPath("cube-section.svg");
    const RunResult drawn = RunProgram(
        {"cube", "--section", "through:A,C,D1", "--textbook", "--view", "oblique", "--labels", "-o", svg});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    const std::string plain = OutputPath("cube-plain.svg");
    ASSERT_EQ(RunProgram({"cube", "--textbook", "--view", "oblique", "--labels", "-o", plain}).exitCode, 0);
    // The outline, the shading, the true shape and its caption come on top of the solid's drawing.
    EXPECT_GT(ReadFile(svg).size(), ReadFile(plain).size() * 3 / 2);
}

TEST(SectionRenderTest, PlanesThatDoNotFitAreRefusedWithOneLineAndExitTwo) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"cube", "--section", "through:A,Q,C", "--info"}, "no corner Q"},
        {{"cube", "--section", "through:A,C,mid(A,C)", "--info"}, "lie on one line"},
        {{"cube", "--section", "point:0,0,0;normal:0,0,0", "--info"}, "the normal is zero"},
        {{"sphere", "--section", "through:A,B,C", "--info"}, "no lettered corners"},
        {{"cube", "--section", "through:A,B,C", "-o", "x.png"}, "--section goes with --info or --textbook"},
        {{"cube", "--section", "through:A,B,C", "--textbook", "--view", "three", "-o", "x.svg"}, "one view"},
    };
    for (const auto& c : cases) {
        const RunResult r = RunProgram(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args[2];
        EXPECT_EQ(CountOf(r.err, "\n"), 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out.substr(0, 80);
    }
}

}  // namespace
}  // namespace orrin
