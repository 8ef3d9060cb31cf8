// Frames of every menu solid in the six draw styles, as the window draws them, written as PNG files
// into the test output folder so that a person can look at them.

#include <filesystem>

#include "solids/solid_menu.hpp"
#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

int CoveredPixels(const Canvas& view) {
    int covered = 0;
    for (int k = 0; k < view.Width() * view.Height(); ++k)
        covered += view.Pixels()[k] != PixelFromColor(kViewBackColor);
    return covered;
}

TEST_F(ShellTest, EveryMenuSolidInEveryStyle) {
    const std::filesystem::path folder = std::filesystem::path(ORRIN_TEST_OUTPUT) / "solid_frames";
    std::filesystem::create_directories(folder);
    StartWindow();
    view().SetBackgroundPicture(nullptr);
    shell().OrbitYaw = 0.5f;
    shell().OrbitPitch = 0.4f;
    for (const SolidMenuEntry& entry : SolidMenuEntries()) {
        ASSERT_NE(ReplaceSceneWithSolid(entry.Index, ColorRGB16{40, 110, 200}), 0) << entry.EnglishName;
        int covered[6] = {};
        for (int style = 0; style < 6; ++style) {
            store().Cameras[store().CurrentCamera].DrawStyle = static_cast<Index>(style);
            store().NeedsRedraw = true;
            ASSERT_TRUE(RunFrameIfWanted());
            covered[style] = CoveredPixels(view());
            EXPECT_GT(store().DrawList[0], 0) << entry.EnglishName;
            EXPECT_GT(covered[style], 100) << entry.EnglishName << " style " << style;
            view().WritePng(
                (folder / (std::string(entry.EnglishName) + "_style" + std::to_string(style) + ".png"))
                    .string());
        }
        // Flat and smooth shading cover the same silhouette.
        EXPECT_NEAR(covered[5], covered[2], covered[2] / 50 + 10) << entry.EnglishName;
    }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace orrin::testing
