// Runs the built orrin-render program and checks what it prints and draws.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "files/byte_builder.hpp"
#include "platform/canvas.hpp"
#include "run_program.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

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

using Json = nlohmann::json;

// The JSON of an --info run that printed one.
Json ParseReport(const RunResult& r) {
    const Json report = Json::parse(r.out, nullptr, false);
    EXPECT_FALSE(report.is_discarded()) << r.out;
    return report;
}

// --geometry gives every vertex and face exactly as the store holds them.
TEST(OrrinRenderTest, GeometryInfoHoldsTheWholeStore) {
    for (const quarn::SolidMenuEntry& entry : quarn::SolidMenuEntries()) {
        SCOPED_TRACE(entry.EnglishName);
        const RunResult r = RunProgram({std::string(entry.EnglishName), "--color", "10,20,30", "--info", "--geometry"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const Json mesh = ParseReport(r)["meshes"][0];

        quarn::ResetScene();
        quarn::InitEngine();
        const quarn::Index built = quarn::BuildMenuSolid(entry.Index);
        quarn::CenterMesh(built);
        const quarn::SceneStore& s = quarn::Scene();
        const quarn::MeshRecord& m = s.Meshes[built];
        ASSERT_EQ(mesh["vertices"].size(), static_cast<std::size_t>(m.VertexCount));
        ASSERT_EQ(mesh["faces"].size(), static_cast<std::size_t>(m.FaceCount));
        for (int k = 0; k < m.VertexCount; ++k) {
            const quarn::Vector3D& v = s.Vertices[m.FirstVertex + k];
            const Json& p = mesh["vertices"][k];
            ASSERT_EQ((quarn::Vector3D{p[0].get<float>(), p[1].get<float>(), p[2].get<float>()}), v) << "vertex " << k;
        }
        for (int k = 0; k < m.FaceCount; ++k) {
            const quarn::FaceRecord& f = s.Faces[m.FirstFace + k];
            const Json& face = mesh["faces"][k];
            EXPECT_EQ(face["corners"], Json::array({f.VertexA - m.FirstVertex, f.VertexB - m.FirstVertex,
                                                    f.VertexC - m.FirstVertex}));
            EXPECT_EQ(face["color"], Json::array({10, 20, 30}));
            EXPECT_EQ(face["diffuse"], 0.5);
        }
    }
    EXPECT_FALSE(ParseReport(RunProgram({"cube", "--info"}))["meshes"][0].contains("vertices"));
}

// Every message of the run is in the report, with its engine error number where it has one, as well as
// on standard error; a load that fails still gets its report, and exits 1.
TEST(OrrinRenderTest, InfoListsTheMessagesOfTheRunEvenWhenTheLoadFails) {
    using quarn::testing::Bytes;
    using quarn::testing::ByteBuilder;
    using quarn::testing::Chunk;
    std::ifstream sampleFile(std::string(ORRIN_TEST_DATA) + "/3ds/cubes_with_alpha.3DS", std::ios::binary);
    const Bytes sample{std::istreambuf_iterator<char>(sampleFile), std::istreambuf_iterator<char>()};
    auto write = [](const std::string& name, const Bytes& bytes) {
        const std::string path = OutputPath(name);
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path;
    };
    struct Case {
        std::string source;
        int exitCode;
        int meshes;
        std::vector<std::pair<std::optional<int>, std::string>> messages;  // code and part of the text
    };
    const Case cases[] = {
        {write("cut.3ds", Bytes(sample.begin(), sample.begin() + sample.size() / 2)), 0, 2, {{std::nullopt, "ends early"}}},
        {write("too-many-points.3ds",
               quarn::testing::File3ds({quarn::testing::TriangleMesh("Big", {Chunk(0x4110, {ByteBuilder().U16(65535)})})})),
         0, 0, {{1, "Unable to allocate memory for mesh!"}}},
        {write("damaged.qrn", Bytes{1, 2, 3}), 1, 0, {{std::nullopt, "damaged.qrn"}, {std::nullopt, "could not load"}}},
        {"/no/such/model.3ds", 1, 0, {{std::nullopt, "cannot read '/no/such/model.3ds'"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const RunResult r = RunProgram({c.source, "--info"});
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        const Json report = ParseReport(r);
        EXPECT_EQ(report["meshes"].size(), static_cast<std::size_t>(c.meshes));
        const Json& messages = report["messages"];
        ASSERT_EQ(messages.size(), c.messages.size()) << messages;
        for (std::size_t k = 0; k < c.messages.size(); ++k) {
            const auto& [code, text] = c.messages[k];
            EXPECT_EQ(messages[k].contains("code"), code.has_value()) << messages[k];
            if (code) {
                EXPECT_EQ(messages[k]["code"], *code);
            }
            const std::string shown = messages[k]["text"];
            EXPECT_NE(shown.find(text), std::string::npos) << shown;
            EXPECT_NE(r.err.find(shown), std::string::npos) << r.err;
        }
    }
}

// Each draw-list entry names its corner vertices, and carries the colours the style handed to the fill:
// the face's shade, the three corner shades in the smooth style, none in the outline styles.
TEST(OrrinRenderTest, FrameInfoNamesTheCornersAndTheColoursOfTheFill) {
    for (int style = 0; style < 6; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        const RunResult r = RunProgram({"cube", "--color", "200,0,0", "--yaw", "0.5", "--pitch", "0.4", "--style",
                                        std::to_string(style), "--info", "--geometry", "--frame"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const Json report = ParseReport(r);
        const Json& mesh = report["meshes"][0];
        const int firstVertex = mesh["vertexRun"]["first"];
        const int firstFace = mesh["faceRun"]["first"];
        ASSERT_EQ(report["drawList"].size(), 6u);  // three sides of the cube, two triangles each
        for (const Json& entry : report["drawList"]) {
            Json corners = Json::array();
            for (const Json& v : entry["vertices"]) corners.push_back(v.get<int>() - firstVertex);
            EXPECT_EQ(corners, mesh["faces"][entry["face"].get<int>() - firstFace]["corners"]);
            EXPECT_EQ(entry.contains("shade"), style != 0 && style != 4 && style != 5) << entry;
            EXPECT_EQ(entry.contains("vertexShades"), style == 5) << entry;
            if (style == 5) {
                ASSERT_EQ(entry["vertexShades"].size(), 3u);
                for (const Json& shade : entry["vertexShades"]) EXPECT_GT(shade[0].get<int>(), shade[1].get<int>());
            }
        }
    }
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

TEST(OrrinRenderTest, ThreeViewSheetsCarryTheirCaptionsAsText) {
    if (std::system("command -v pdftotext > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
    const struct {
        std::vector<std::string> flags;
        std::vector<std::string> captions;
    } runs[] = {{{}, {"主视图", "左视图", "俯视图"}},
                {{"--lang", "en"}, {"front view", "side view", "top view"}},
                {{"--as-built"}, {}}};
    for (const auto& run : runs) {
        const std::string pdf = OutputPath("three-views" + std::to_string(run.flags.size()) + ".pdf");
        std::vector<std::string> args{"hexagonal-prism", "--textbook", "--view", "three", "-o", pdf};
        args.insert(args.end(), run.flags.begin(), run.flags.end());
        const RunResult r = RunProgram(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        ASSERT_EQ(std::system(("pdftotext " + Quote(pdf) + " " + Quote(pdf + ".txt")).c_str()), 0);
        const std::string text = ReadFile(pdf + ".txt");
        for (const std::string& caption : run.captions) EXPECT_NE(text.find(caption), std::string::npos) << caption;
        if (run.captions.empty()) {
            EXPECT_EQ(text.find_first_not_of(" \n\f"), std::string::npos) << text;
        }
    }
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
