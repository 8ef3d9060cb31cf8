// Runs the built orrin-render program and checks what it prints and draws.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/canvas.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

RunResult RunProgram(const std::vector<std::string>& args) {
    // Test cases run as parallel processes: each run captures into files of its own.
    static int runs = 0;
    const fs::path dir = fs::path(ORRIN_TEST_OUTPUT) / "orrin-render" /
                         ("run-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    fs::create_directories(dir);
    std::string command = Quote(ORRIN_RENDER_PROGRAM);
    for (const auto& a : args) command += " " + Quote(a);
    command += " > " + Quote((dir / "stdout.txt").string()) + " 2> " + Quote((dir / "stderr.txt").string());
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(dir / "stdout.txt");
    result.err = ReadFile(dir / "stderr.txt");
    fs::remove_all(dir);
    return result;
}

std::string OutputPath(const std::string& name) {
    return (fs::path(ORRIN_TEST_OUTPUT) / "orrin-render" / name).string();
}

// Every value of "key": N in the JSON text, in order.
std::vector<int> IntegersOf(const std::string& json, const std::string& key) {
    std::vector<int> values;
    const std::regex pattern("\"" + key + "\":(-?[0-9]+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), pattern); it != std::sregex_iterator();
         ++it)
        values.push_back(std::stoi((*it)[1]));
    return values;
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

TEST(OrrinRenderTest, CubeAtTheDefaultViewHasBackgroundCornersAndItsColourInTheMiddle) {
    const std::string png = OutputPath("cube.png");
    const RunResult r = RunProgram({"cube", "--color", "200,0,0", "-o", png});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const quarn::Canvas picture = quarn::Canvas::ReadPng(png);
    EXPECT_EQ(picture.Width(), 488);
    EXPECT_EQ(picture.Height(), 369);
    const std::int32_t grey = 192 + 192 * 256 + 192 * 65536;
    EXPECT_EQ(picture.GetPixel(0, 0), grey);
    EXPECT_EQ(picture.GetPixel(487, 368), grey);
    EXPECT_EQ(picture.GetPixel(0, 368), grey);
    // The front face, lit head-on by the light at the camera: (200, 0, 0) halfway to white.
    EXPECT_EQ(picture.GetPixel(230, 170), 228 + 128 * 256 + 128 * 65536);
}

TEST(OrrinRenderTest, InfoOfEveryMenuSolidReportsTheBuilderCounts) {
    for (const quarn::SolidMenuEntry& entry : quarn::SolidMenuEntries()) {
        const RunResult r = RunProgram({std::string(entry.EnglishName), "--info"});
        ASSERT_EQ(r.exitCode, 0) << entry.EnglishName << ": " << r.err;
        EXPECT_EQ(IntegersOf(r.out, "vertexCount"), std::vector<int>{entry.VertexCount}) << entry.EnglishName;
        EXPECT_EQ(IntegersOf(r.out, "faceCount"), std::vector<int>{entry.FaceCount}) << entry.EnglishName;
        const RunResult byIndex = RunProgram({std::to_string(entry.Index), "--info", "--seed", "1"});
        EXPECT_EQ(IntegersOf(byIndex.out, "faceCount"), std::vector<int>{entry.FaceCount}) << entry.Index;
    }
}

TEST(OrrinRenderTest, FrameInfoListsTheDrawList) {
    const RunResult r = RunProgram({"cube", "--info", "--frame", "--seed", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CountOf(r.out, "\"face\":"), 2);  // the front face's two triangles, seen head-on
    EXPECT_EQ(CountOf(r.out, "\"shade\":"), 2);
    EXPECT_EQ(IntegersOf(r.out, "drawStyle"), std::vector<int>{2});
}

TEST(OrrinRenderTest, TextbookDrawingsGoToVectorFilesAndPictures) {
    const struct {
        std::vector<std::string> view;
        const char* file;
        std::string magic;
    } runs[] = {{{}, "cube.svg", "<?xml"},
                {{"--view", "oblique", "--labels"}, "pyramid.pdf", "%PDF"},
                {{"--view", "three"}, "cylinder.png", "\x89PNG"}};
    for (const auto& run : runs) {
        const std::string path = OutputPath(std::string("textbook-") + run.file);
        fs::remove(path);
        std::vector<std::string> args{"hexagonal-pyramid", "--textbook", "-o", path};
        args.insert(args.end(), run.view.begin(), run.view.end());
        const RunResult r = RunProgram(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(ReadFile(path).substr(0, run.magic.size()), run.magic) << run.file;
    }
    const RunResult unwritable = RunProgram({"cube", "--textbook", "-o", OutputPath("no/such/dir/cube.svg")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(CountOf(unwritable.err, "\n"), 1) << unwritable.err;
}

TEST(OrrinRenderTest, InfoGivesEachMeshItsMeasures) {
    const RunResult cone = RunProgram({"cone", "--info"});
    ASSERT_EQ(cone.exitCode, 0) << cone.err;
    EXPECT_NE(
        cone.out.find("\"solid\":{\"vertices\":47,\"edges\":92,\"faces\":47,\"eulerCharacteristic\":2}"),
        std::string::npos)
        << cone.out;
    EXPECT_NE(cone.out.find("\"exact\":{\"solid\":\"cone\""), std::string::npos);
    EXPECT_NE(cone.out.find("\"volumeFormula\":\"πr²h/3\""), std::string::npos);
    const RunResult plane = RunProgram({"plane", "--info"});
    EXPECT_NE(plane.out.find("\"volume\":null,\"volumeNote\":\"the mesh is not closed"), std::string::npos)
        << plane.out;
    // A model file is measured too, but it stands for no exact solid.
    const RunResult model =
        RunProgram({std::string(ORRIN_TEST_DATA) + "/3ds/CameraRollAnimWithChildObject.3ds", "--info"});
    EXPECT_EQ(IntegersOf(model.out, "eulerCharacteristic"), (std::vector<int>{2, 2}));
    EXPECT_EQ(CountOf(model.out, "\"exact\""), 0);
}

TEST(OrrinRenderTest, SaveThenInfoRoundTripsTheCounts) {
    const std::string qrn = OutputPath("torus.qrn");
    fs::remove(qrn);
    const RunResult saved = RunProgram({"--save", "torus", qrn});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const RunResult loaded = RunProgram({qrn, "--info"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(IntegersOf(loaded.out, "vertexCount"), std::vector<int>{468});
    EXPECT_EQ(IntegersOf(loaded.out, "faceCount"), std::vector<int>{936});
}

TEST(OrrinRenderTest, SampleStudioFileReportsMeshesLightsAndCameras) {
    const std::string model = std::string(ORRIN_TEST_DATA) + "/3ds/CameraRollAnimWithChildObject.3ds";
    const RunResult r = RunProgram({model, "--info"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Two boxes, the second linked below the first by the keyframer; the file's camera joins the
    // program's own camera; the program's light stays alone.
    EXPECT_EQ(IntegersOf(r.out, "vertexCount"), (std::vector<int>{8, 8}));
    EXPECT_EQ(IntegersOf(r.out, "faceCount"), (std::vector<int>{12, 12}));
    EXPECT_EQ(IntegersOf(r.out, "parent"), (std::vector<int>{0, 1}));
    EXPECT_NE(r.out.find("\"name\":\"Box02\""), std::string::npos);
    EXPECT_NE(r.out.find("\"name\":\"Camera01\""), std::string::npos);
    EXPECT_EQ(CountOf(r.out, "\"tanHalfFov\":"), 2);
    EXPECT_EQ(CountOf(r.out, "\"falloffCos\":"), 1);
    const RunResult png = RunProgram({model, "-o", OutputPath("camera-roll.png")});
    EXPECT_EQ(png.exitCode, 0) << png.err;
}

TEST(OrrinRenderTest, FailuresExitNonZeroWithOneClearLine) {
    const RunResult missing = RunProgram({"/no/such/model.qrn", "--info"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(CountOf(missing.err, "\n"), 1) << missing.err;
    EXPECT_NE(missing.err.find("/no/such/model.qrn"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());

    const RunResult unknown = RunProgram({"dodecahedron", "-o", OutputPath("x.png")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("unknown solid 'dodecahedron'"), std::string::npos);

    const RunResult badOption = RunProgram({"cube", "--style", "9", "-o", OutputPath("x.png")});
    EXPECT_EQ(badOption.exitCode, 2);
    EXPECT_NE(badOption.err.find("--style"), std::string::npos);

    const RunResult badIndex = RunProgram({"11", "--info"});
    EXPECT_EQ(badIndex.exitCode, 1);

    const RunResult help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--size", "--yaw", "--pitch", "--distance", "--style", "--color", "--seed",
                               "--ortho", "--background", "--info", "--frame", "--save", "Examples"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST(OrrinRenderTest, DemonstrationsAndOptionsRender) {
    for (const char* source : {"ripple", "bar-chart", "surface-chart", "pie-chart"}) {
        const RunResult r = RunProgram({source, "--seed", "5", "--info"});
        EXPECT_EQ(r.exitCode, 0) << source << ": " << r.err;
        EXPECT_EQ(CountOf(r.out, "\"vertexCount\":"), 1) << source;
    }
    const std::string png = OutputPath("torus-smooth.png");
    const RunResult r = RunProgram({"torus", "--style", "5", "--ortho", "--background", "--size", "320x200",
                                    "--yaw", "0.5", "--pitch", "0.6", "--distance", "150", "-o", png});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const quarn::Canvas picture = quarn::Canvas::ReadPng(png);
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_NE(picture.GetPixel(0, 0), 192 + 192 * 256 + 192 * 65536);  // the background picture shows
}

}  // namespace
}  // namespace orrin
