// Start-up, layout, the caption count and the model named on the command line.

#include <filesystem>

#include "files/native_model.hpp"
#include "render/view_background.hpp"
#include "solids/solid_menu.hpp"
#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

TEST_F(ShellTest, StartUpLeavesOneCameraOneLightNoMeshAndTheBackgroundShowing) {
    Form_Load("");
    EXPECT_EQ(store().CameraSlots.Count, 1);
    EXPECT_EQ(store().Cameras[store().CurrentCamera].DrawStyle, 2);
    EXPECT_EQ(store().Cameras[store().CurrentCamera].OrthoScale, 1.0f);
    EXPECT_EQ(store().LightSlots.Count, 1);
    EXPECT_EQ(store().MeshSlots.Count, 0);
    EXPECT_EQ(form().Caption, "Orrin");
    EXPECT_EQ(shell().OrbitDistance, 200.0f);
    for (const MenuItem& item : form().Menus.Items()) {
        const bool expected =
            (item.Name == "mnuDrawStyleOption" && item.Index == 2) || item.Name == "mnuToggleLight";
        EXPECT_EQ(item.Checked, expected) << item.Name << ' ' << item.Index;
    }
    // The view shows the background picture at its top-left corner and the back colour beside it.
    const auto picture = ViewBackgroundPicture();
    EXPECT_EQ(view().GetPixel(100, 40), picture->GetPixel(100, 40));
    EXPECT_EQ(view().GetPixel(view().Width() - 1, 368), kViewBackColor);

    EXPECT_TRUE(Form_Activate());
    EXPECT_FALSE(Form_Activate());  // a later activation starts no second loop
}

TEST_F(ShellTest, LayoutPlacesThePanesOnTheRightAndBottomEdges) {
    Form_Load("");
    struct Case {
        int width, height, strip;
    };
    for (const Case c : {Case{7320, 5490, 274}, {7320, 5510, 276}, {15000, 9000, 450}, {0, 0, 0}}) {
        Form_Resize(c.width, c.height);
        EXPECT_EQ(form().Picture2.Width, c.strip) << c.height;
        EXPECT_EQ(form().Picture2.Left, c.width - c.strip);
        EXPECT_EQ(form().Picture2.Height, c.height - c.strip);
        EXPECT_EQ(form().Picture3.Top, c.height - c.strip);
        EXPECT_EQ(form().Picture3.Width, c.width);
        EXPECT_EQ(form().Picture1.Width, c.width);
        EXPECT_EQ(form().Picture1.Height, kViewHeight);  // a taller window never makes the view taller
        EXPECT_EQ(view().Height(), 369);
        // Pixel images fill their twips exactly, so the panes end flush with the window's edges.
        EXPECT_EQ(form().Picture2.Image.Width() + TwipsToPixels(c.width - c.strip), TwipsToPixels(c.width));
        EXPECT_EQ(form().Picture3.Image.Width(), TwipsToPixels(c.width));
        EXPECT_TRUE(store().NeedsRedraw);
    }
}

TEST_F(ShellTest, APaneIsRedrawnWhenItsSizeInTwipsChangesEvenIfItsPixelsDoNot) {
    Form_Load("");
    Form_Resize(7320, 5460);  // client height 364 pixels: strips of 273 twips
    struct Case {
        int height;
        bool redrawn;
    };
    // 366 pixels give strips of 274 twips, still 18 pixels high; the same layout again changes nothing.
    for (const Case c : {Case{5490, true}, {5490, false}}) {
        shell().PickedColor = 0x0000FF;  // red, not yet shown
        form().Picture3.ShowNow = false;
        const int pixelHeight = form().Picture3.Image.Height();
        Form_Resize(7320, c.height);
        ASSERT_EQ(form().Picture3.Image.Height(), pixelHeight);
        EXPECT_EQ(form().Picture3.ShowNow, c.redrawn) << c.height;
        // Where the two halves of the shade bar meet it shows the picked colour itself.
        if (c.redrawn) {
            EXPECT_EQ(form().Picture3.Image.GetPixel(form().Picture3.Image.Width() / 2, 5), 0x0000FF);
        }
    }
}

TEST_F(ShellTest, StartUpReachesTheFrameLoopWhenOpeningTheModelFaults) {
    // A model whose vertices all lie at x = 3e38: loading works, centring it overflows.
    const std::string path = (std::filesystem::path(ORRIN_TEST_OUTPUT) / "far away.qrn").string();
    StartWindow();
    const Index cube = ReplaceSceneWithSolid(0);
    const MeshRecord& m = store().Meshes[cube];
    for (int v = m.FirstVertex; v < m.FirstVertex + m.VertexCount; ++v) store().Vertices[v].x = 3e38f;
    ASSERT_TRUE(SaveModel(cube, path));
    ResetShell();

    EXPECT_THROW(Form_Load(path), EngineFault);
    EXPECT_TRUE(shell().LoopReady);
    Form_Resize(kStartClientWidth, kStartClientHeight);
    EXPECT_TRUE(Form_Activate());
    EXPECT_TRUE(FrameWanted());
}

TEST_F(ShellTest, CaptionIsSetOnTheFirstFrameAndEveryEleventhAfter) {
    StartWindow();
    std::vector<int> captionFrames;
    for (int frame = 1; frame <= 23; ++frame) {
        form().Caption = "-";
        store().NeedsRedraw = true;
        ASSERT_TRUE(RunFrameIfWanted());
        if (form().Caption == "立体图形") captionFrames.push_back(frame);
    }
    EXPECT_EQ(captionFrames, (std::vector<int>{1, 12, 23}));
}

TEST_F(ShellTest, CommandLineOpensNativeAndStudioModelsByTheirExtensionInAnyCase) {
    const std::filesystem::path folder = ORRIN_TEST_OUTPUT;
    StartWindow();
    ReplaceSceneWithSolid(0);  // a cube to write out
    ASSERT_TRUE(SaveModel(store().CurrentMesh, (folder / "shell cube.QRN").string()));
    ResetShell();

    StartWindow(JoinCommandLine({(folder / "shell").string(), "cube.QRN"}));  // a path with a blank
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(store().CurrentMesh, 1);
    EXPECT_EQ(store().Meshes[1].VertexCount, FindSolidMenuEntry(0)->VertexCount);
    EXPECT_TRUE(shell().LoopRunning);
    ResetShell();

    StartWindow(std::string(ORRIN_TEST_DATA) + "/3ds/fels.3ds");
    EXPECT_GT(store().MeshSlots.Count, 0);
    EXPECT_EQ(store().CurrentMesh, 0);
    EXPECT_EQ(store().Faces[store().Meshes[1].FirstFace].Color, (ColorRGB16{255, 255, 255}));
    EXPECT_TRUE(ui.messages.empty());
    ResetShell();

    // Another extension opens nothing, says so, and start-up goes on to the first frame.
    StartWindow("\"" + (folder / "shell cube.QRN").string() + "\"");
    EXPECT_EQ(store().MeshSlots.Count, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("not a model"), std::string::npos);
    EXPECT_TRUE(RunFrameIfWanted());
}

}  // namespace
}  // namespace orrin::testing
