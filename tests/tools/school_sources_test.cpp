// The school families as orrin-render sources: each draws, lists its measures and letters, and bad
// parameters are refused with one line.

#include <nlohmann/json.hpp>

#include "platform/canvas.hpp"
#include "run_program.hpp"
#include "solids/school_solids.hpp"

namespace orrin {
namespace {

using nlohmann::json;

TEST(SchoolSourcesTest, EveryFamilyDrawsAFrameATextbookViewAndItsInfo) {
    const char* sources[] = {"cuboid:a=40,b=30,c=20",         "prism:n=5,r=30,h=50",
                             "pyramid:n=4,r=40,h=60",         "frustum:n=4,r1=40,r2=20,h=30",
                             "cone-frustum:r1=40,r2=20,h=30", "cylinder:r=30,h=80",
                             "cone:r=40,h=60",                "sphere:r=40",
                             "hemisphere:r=40"};
    ASSERT_EQ(std::size(sources), quarn::SchoolFamilies().size());
    for (const char* source : sources) {
        SCOPED_TRACE(source);
        const std::string name = std::string(source).substr(0, std::string(source).find(':'));
        const std::string png = OutputPath("family-" + name + ".png");
        const std::string svg = OutputPath("family-" + name + ".svg");
        ASSERT_EQ(RunProgram({source, "--color", "200,0,0", "--yaw", "0.5", "--pitch", "0.4", "-o", png}).exitCode, 0);
        const quarn::Canvas picture = quarn::Canvas::ReadPng(png);
        EXPECT_NE(picture.GetPixel(picture.Width() / 2, picture.Height() / 2), 192 + 192 * 256 + 192 * 65536);
        ASSERT_EQ(RunProgram({source, "--textbook", "--view", "oblique", "--labels", "-o", svg}).exitCode, 0);
        EXPECT_NE(ReadFile(svg).find("<path"), std::string::npos);

        const RunResult info = RunProgram({source, "--info"});
        ASSERT_EQ(info.exitCode, 0) << info.err;
        const json measures = json::parse(info.out)["meshes"][0]["measures"];
        EXPECT_EQ(measures["family"]["name"], name);
        EXPECT_EQ(measures["solid"]["eulerCharacteristic"], 2);
        EXPECT_NEAR(measures["exact"]["volumeRatio"].get<double>(), 1, 0.03);
        EXPECT_EQ(measures["exact"]["volumeText"].get<std::string>().substr(0, 4), "V = ");
        EXPECT_EQ(measures["letters"].empty(), !quarn::FindSchoolFamily(name)->Polyhedral);
    }
    // The letters of a prism's top are its base's with subscript 1.
    const json prism = json::parse(RunProgram({"prism:n=3,r=10,h=5", "--info"}).out)["meshes"][0]["measures"];
    EXPECT_EQ(prism["letters"].size(), 6u);
    EXPECT_NEAR(prism["letters"]["C1"][1].get<double>() - prism["letters"]["C"][1].get<double>(), 5, 1e-4);
}

TEST(SchoolSourcesTest, BadParametersAreRefusedWithOneLineAndExitTwo) {
    const struct {
        const char* source;
        const char* says;
    } cases[] = {
        {"prism:n=2,r=30,h=50", "prism: n (sides of the base) must be a whole number from 3 to 64, not 2"},
        {"pyramid:n=65,r=30,h=50", "from 3 to 64, not 65"},
        {"prism:n=4.5,r=1,h=1", "not 4.5"},
        {"frustum:n=4,r1=40,r2=40,h=30", "r2 must be less than r1 (40), not 40"},
        {"cuboid:a=0,b=30,c=20", "a (length) must be a number above 0 and at most 10000, not 0"},
        {"cone:r=40,h=10000.5", "not 10000.5"},
        {"cylinder:r=nan,h=1", "not nan"},
        {"cone:r=-1,h=1", "not -1"},
        {"sphere:r=x", "r must be a number above 0 and at most 10000, not 'x'"},
        {"cuboid:a=1,b=2", "cuboid: missing c (height"},
        {"prism", "prism: missing n"},
        {"prism:n=5,r=30,h=50,q=1", "unknown key 'q'; it takes n, r, h"},
        {"sphere:r=1,r=2", "r is given twice"},
        {"hemisphere:r", "r needs a value"},
    };
    for (const auto& c : cases) {
        const RunResult r = RunProgram({c.source, "--info"});
        EXPECT_EQ(r.exitCode, 2) << c.source;
        EXPECT_EQ(CountOf(r.err, "\n"), 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.source << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << c.source;
    }
    // Without parameters a menu solid's name keeps meaning the menu's solid; --help lists the families.
    EXPECT_EQ(IntegersOf(RunProgram({"cone", "--info"}).out, "faceCount"), std::vector<int>{92});
    const std::string help = RunProgram({"--help"}).out;
    for (const quarn::SchoolFamilyInfo& family : quarn::SchoolFamilies())
        EXPECT_NE(help.find("  " + std::string(family.Name) + ":"), std::string::npos) << family.Name;
}

}  // namespace
}  // namespace orrin
