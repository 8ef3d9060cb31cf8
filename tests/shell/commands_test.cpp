// The commands outside the solid menu, each talking to the user through the recording Ui.

#include <filesystem>
#include <fstream>

#include "files/native_model.hpp"
#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

class CommandsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartWindow();
        RunFrameIfWanted();
    }
    std::string OutputPath(const std::string& name) {
        return (std::filesystem::path(ORRIN_TEST_OUTPUT) / name).string();
    }
    // Runs a command and tells whether it asked for a frame.
    template <typename Command>
    bool AsksForFrame(Command command) {
        store().NeedsRedraw = false;
        command();
        return store().NeedsRedraw;
    }
};

TEST_F(CommandsTest, AboutShowsNameAndVersionWithoutLeadingZeros) {
    EXPECT_EQ(FormatVersion("3.00.0003"), "3.0.3");
    EXPECT_EQ(FormatVersion("10.20.0300"), "10.20.300");
    EXPECT_TRUE(AsksForFrame(ShowAbout));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Orrin 1.0.0\n", 0), 0u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
}

TEST_F(CommandsTest, HelpOpensTheProgramsOwnPageOrSaysWhyNot) {
    EXPECT_FALSE(AsksForFrame(OpenHelp));  // no page known
    shell().HelpPage = OutputPath("help.html");
    std::ofstream(shell().HelpPage) << "<html></html>";
    OpenHelp();
    ui.shellOpenSucceeds = false;
    OpenHelp();
    EXPECT_EQ(ui.shellOpened, (std::vector<std::string>{shell().HelpPage, shell().HelpPage}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].text.find("not found"), std::string::npos);
    EXPECT_NE(ui.messages[1].text.find("could not be opened"), std::string::npos);
}

TEST_F(CommandsTest, OpenAsksForAFileAndReplacesTheSceneUncentred) {
    mnuBasicOption_Click(0);
    store().Meshes[1].Position = {};
    TransformMeshVertices(1, TranslationMatrix(MakeVector(30, 0, 0)));
    ASSERT_TRUE(SaveModel(1, OutputPath("moved cube.qrn")));
    mnuBasicOption_Click(4);

    OpenModelFile();  // cancelled
    EXPECT_EQ(ui.filters, (std::vector<std::string>{kOpenFilter}));
    EXPECT_EQ(store().Meshes[1].FaceCount, 92);  // still the cone

    ui.dialogAnswers = {OutputPath("notes.txt")};
    OpenModelFile();  // refused before anything is thrown away
    EXPECT_EQ(store().Meshes[1].FaceCount, 92);
    ASSERT_EQ(ui.messages.size(), 1u);

    ui.dialogAnswers = {OutputPath("moved cube.qrn")};
    EXPECT_TRUE(AsksForFrame(OpenModelFile));
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(store().CurrentMesh, 1);
    EXPECT_FLOAT_EQ(GetMeshCenter(1).x, 30);  // not centred

    ui.dialogAnswers = {std::string(ORRIN_TEST_DATA) + "/3ds/fels.3ds"};
    OpenModelFile();
    EXPECT_EQ(store().CurrentMesh, 1);
    EXPECT_EQ(store().Faces[store().Meshes[1].FirstFace].Color, (ColorRGB16{255, 255, 255}));
}

TEST_F(CommandsTest, SaveWritesTheCurrentMeshOrSaysThereIsNothingToSave) {
    EXPECT_FALSE(AsksForFrame(SaveModelFile));
    EXPECT_TRUE(ui.filters.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("no model to save"), std::string::npos);

    mnuBasicOption_Click(21);
    const std::string path = OutputPath("saved prism.qrn");
    std::filesystem::remove(path);
    SaveModelFile();  // cancelled
    EXPECT_FALSE(std::filesystem::exists(path));
    ui.dialogAnswers = {path};
    EXPECT_FALSE(AsksForFrame(SaveModelFile));
    EXPECT_EQ(ui.filters.back(), kSaveFilter);
    EXPECT_EQ(LoadModel(path), 2);
    EXPECT_EQ(store().Meshes[2].FaceCount, store().Meshes[1].FaceCount);
}

TEST_F(CommandsTest, RenameKeepsTheNameWhenCancelledAndDoesNothingWithoutAMesh) {
    RenameMesh();
    EXPECT_TRUE(ui.prompts.empty());
    mnuBasicOption_Click(0);
    store().Meshes[1].Name = "Box";
    RenameMesh();  // cancelled
    EXPECT_EQ(store().Meshes[1].Name, "Box");
    EXPECT_EQ(ui.prompts.back(), "Enter new name:");
    EXPECT_EQ(ui.inputTitles.back(), "Rename");
    EXPECT_EQ(ui.inputDefaults.back(), "Box");
    EXPECT_TRUE(ui.messages.empty());

    // A name a model file cannot hold is refused at once, and saving still works with the old one.
    struct Case {
        const char* answer;
        const char* name;
        bool refused;
    };
    for (const Case c : {Case{"Würfel", "Würfel", false}, {"正方体", "Würfel", true},
                         {"Cube №1", "Würfel", true}, {"", "", false}}) {
        ui.inputAnswers = {c.answer};
        RenameMesh();
        EXPECT_EQ(store().Meshes[1].Name, c.name) << c.answer;
        ASSERT_EQ(ui.messages.size(), c.refused ? 1u : 0u) << c.answer;
        if (c.refused) {
            EXPECT_NE(ui.messages[0].text.find("only Western European letters"), std::string::npos);
            EXPECT_NE(ui.messages[0].text.find(c.answer), std::string::npos);
            ui.dialogAnswers = {OutputPath("renamed.qrn")};
            SaveModelFile();
            EXPECT_EQ(ui.messages.size(), 1u);  // saved without complaint
            ui.messages.clear();
        }
    }
}

TEST_F(CommandsTest, AModelThatBringsNothingToShowSaysSoWithItsName) {
    const std::string emptyStudio = OutputPath("empty.3ds");
    std::ofstream(emptyStudio, std::ios::binary) << std::string("\x4d\x4d\x06\x00\x00\x00", 6);
    mnuBasicOption_Click(0);
    store().Meshes[1].FaceCount = 0;  // a native model without faces
    ASSERT_TRUE(SaveModel(1, OutputPath("no faces.qrn")));
    struct Case {
        std::string path;
        bool fromCommandLine;
        std::size_t messages;  // the reader's own report comes first where there is one
    };
    const Case cases[] = {
        {emptyStudio, false, 1},
        {emptyStudio, true, 1},
        {OutputPath("no faces.qrn"), false, 1},
        {OutputPath("missing.3ds"), false, 1},  // only the reader's "cannot read"
        {std::string(ORRIN_TEST_DATA) + "/3ds/fels.3ds", false, 0},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        if (c.fromCommandLine) {
            ResetShell();
            StartWindow(c.path);
        } else {
            mnuBasicOption_Click(0);
            ui.dialogAnswers = {c.path};
            OpenModelFile();
        }
        ASSERT_EQ(ui.messages.size(), c.messages) << c.path;
        const bool saysNothingToShow = c.messages > 0 && ui.messages.back().text ==
                                                              "\"" + c.path + "\" holds no object that Orrin can show.";
        EXPECT_EQ(saysNothingToShow, c.path.find("missing") == std::string::npos && c.messages > 0) << c.path;
    }
}

TEST_F(CommandsTest, ClearExitRedrawAndTheTwoToggles) {
    mnuBasicOption_Click(5);
    EXPECT_TRUE(AsksForFrame(ClearAll));
    EXPECT_EQ(store().MeshSlots.Count, 0);
    EXPECT_EQ(store().CurrentMesh, 0);
    EXPECT_TRUE(AsksForFrame(RequestRedraw));

    EXPECT_TRUE(store().Lights[1].Enabled);
    EXPECT_TRUE(AsksForFrame(ToggleLight));
    EXPECT_FALSE(store().Lights[1].Enabled);
    EXPECT_FALSE(form().Menus.IsChecked("mnuToggleLight"));
    ToggleOrthographic();
    EXPECT_TRUE(store().Cameras[1].Orthographic);
    EXPECT_TRUE(form().Menus.IsChecked("mnuToggleOrtho"));
    ToggleOrthographic();
    EXPECT_FALSE(store().Cameras[1].Orthographic);

    EXPECT_TRUE(FrameWanted());
    ExitProgram();
    EXPECT_TRUE(form().EndRequested);
    EXPECT_FALSE(FrameWanted());  // a pending frame is dropped
}

TEST_F(CommandsTest, PaintAndSubdivideChangeTheCurrentSolidNotTheLightMarker) {
    mnuBasicOption_Click(0);
    const auto hasFaceColored = [this](const ColorRGB16& color) {
        const MeshRecord& m = store().Meshes[1];
        for (int f = m.FirstFace; f < m.FirstFace + m.FaceCount; ++f)
            if (store().Faces[f].Color == color) return true;
        return false;
    };
    PaintCommand(2);  // red at the bottom to blue at the top
    EXPECT_TRUE(hasFaceColored({255, 0, 0}) && hasFaceColored({0, 0, 255}));
    PaintCommand(0);
    EXPECT_FALSE(hasFaceColored({255, 0, 0}));
    EXPECT_TRUE(hasFaceColored({255, 255, 255}));

    Picture1_KeyDown(kShiftKey, 1);
    ASSERT_EQ(shell().LightMarker, 2);
    SubdivideCommand(1);
    ASSERT_EQ(store().MeshSlots.Count, 2);
    EXPECT_EQ(shell().LightMarker, 1);  // the marker moved down when the cube moved to the end
    EXPECT_EQ(store().CurrentMesh, 2);
    EXPECT_EQ(store().Meshes[2].FaceCount, 48);
    EXPECT_EQ(store().Faces[store().Meshes[1].FirstFace].Color, (ColorRGB16{255, 0, 0}));  // still red
    Picture1_KeyUp(kShiftKey, 0);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(store().CurrentMesh, 1);
    EXPECT_EQ(store().Meshes[1].FaceCount, 48);
}

TEST_F(CommandsTest, DemonstrationsReplaceTheSceneWithChartsAndMarks) {
    struct Case {
        std::function<void()> command;
        int meshes;
    };
    const Case cases[] = {{[] { RippleSurface(); }, 1}, {[] { ChartDemo(0); }, 1},
                          {[] { ChartDemo(1); }, 1},    {[] { ChartDemo(2); }, 1},
                          {[] { ChartDemo(7); }, 0},    {[] { ScatterDemo(0); }, 40},
                          {[] { ScatterDemo(1); }, 10}, {[] { ScatterDemo(2); }, 20},
                          {[] { ScatterDemo(3); }, 10}, {[] { ScatterDemo(4); }, 0}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        mnuBasicOption_Click(0);
        EXPECT_TRUE(AsksForFrame(cases[i].command)) << i;
        EXPECT_EQ(store().MeshSlots.Count, cases[i].meshes) << i;
        EXPECT_EQ(store().CurrentMesh, cases[i].meshes == 0 ? 0 : cases[i].meshes) << i;
        EXPECT_TRUE(RunFrameIfWanted());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandsTest, AFaultInAFrameIsReportedOnceAndTheNextChangeDrawsAgain) {
    mnuBasicOption_Click(0);
    store().Meshes[1].Scale = {3e38f, 3e38f, 3e38f};
    store().Meshes[1].MatrixDirty = true;
    EXPECT_FALSE(RunGuarded(FrameStep));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(FrameWanted());  // no storm of faults

    store().Meshes[1].Scale = {1, 1, 1};
    store().Meshes[1].MatrixDirty = true;
    Picture1_MouseMove(kLeftButton, 0, 10, 0);
    EXPECT_TRUE(RunGuarded([this] { EXPECT_TRUE(RunFrameIfWanted()); }));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// A Ui whose message box, like a real one, runs the event loop: it tries to start another frame.
class ReenteringUi : public RecordingUi {
  public:
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        RecordingUi::ShowMessage(text, caption, icon);
        Scene().NeedsRedraw = true;
        FrameStep();
    }
};

TEST_F(CommandsTest, AMessageBoxDuringAFrameStartsNoSecondFrame) {
    ReenteringUi reentering;
    mnuBasicOption_Click(0);
    store().Cameras[1].NearClip = 0;  // "Bad camera settings!" during the frame
    FrameStep();
    EXPECT_EQ(reentering.messages.size(), 1u);
    EXPECT_FALSE(shell().FrameInProgress);
    EXPECT_TRUE(FrameWanted());  // the request made during the frame is kept for the next pass
}

}  // namespace
}  // namespace orrin::testing
