// Frames of every menu solid in the six draw styles, written as PNG files into the test output folder
// so that a person can look at them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/canvas.hpp"
#include "render/frame_pipeline.hpp"
#include "render_fixture.hpp"
#include "solids/solid_menu.hpp"

namespace quarn::test {
namespace {

constexpr std::int32_t kGrey = 192 + 192 * 256 + 192 * 65536;

class SolidFramesTest : public RenderTest {
  protected:
    // The view the frame loop draws: the camera on its orbit at distance 200, the light at the camera.
    void Frame(int style) {
        SceneStore& s = Scene();
        OrbitCamera(camera, ZeroVector(), 200, 0.5f, 0.4f);
        s.Lights[light].Position = s.Cameras[camera].Position;
        s.Cameras[camera].DrawStyle = static_cast<Index>(style);
        surface.Clear();
        RenderFrame(surface, camera);
    }
    int CoveredPixels() const {
        int n = 0;
        for (int k = 0; k < surface.Width() * surface.Height(); ++k)
            n += surface.Pixels()[k] != PixelFromColor(kGrey);
        return n;
    }

    Canvas surface{488, 369};
    Index camera = 0, light = 0;
};

TEST_F(SolidFramesTest, EveryMenuSolidInEveryStyle) {
    const std::filesystem::path folder = std::filesystem::path(ORRIN_TEST_OUTPUT) / "render_frames";
    std::filesystem::create_directories(folder);
    surface.SetBackColor(kGrey);
    for (const SolidMenuEntry& entry : SolidMenuEntries()) {
        ResetScene();
        InitEngine();
        camera = CreateCamera();
        light = CreateLight();
        const Index mesh = BuildMenuSolid(entry.Index);
        ASSERT_NE(mesh, 0) << entry.EnglishName;
        CenterMesh(mesh);
        SetMeshColor(mesh, {40, 110, 200}, 0.5f);

        int covered[6] = {};
        for (int style = 0; style < 6; ++style) {
            Frame(style);
            covered[style] = CoveredPixels();
            EXPECT_GT(DrawListLength(), 0) << entry.EnglishName;
            EXPECT_GT(covered[style], 100) << entry.EnglishName << " style " << style;
            surface.WritePng(
                (folder / (std::string(entry.EnglishName) + "_style" + std::to_string(style) + ".png"))
                    .string());
        }
        // Flat and smooth shading cover the same silhouette.
        EXPECT_NEAR(covered[5], covered[2], covered[2] / 50 + 10) << entry.EnglishName;
    }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quarn::test
