// The frame's fast paths against the checked reference: the same scene drawn both ways must leave the
// same pixels, draw list and work buffers, show the same messages and, when a value overflows, raise the
// same fault and abandon the frame at the same point.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/engine_fault.hpp"
#include "platform/random.hpp"
#include "platform/reference_path.hpp"
#include "render/frame_pipeline.hpp"
#include "render_fixture.hpp"
#include "solids/solid_menu.hpp"

namespace quarn::test {
namespace {

constexpr std::int32_t kGrey = 192 + 192 * 256 + 192 * 65536;
constexpr int kSphere = 2;

// Everything a frame can leave behind.
struct FrameOutcome {
    std::string fault;  // type and text of the fault that ended the frame, or empty
    std::vector<std::uint32_t> pixels;
    std::vector<std::string> messages;
    std::vector<Vector3D> world, view, screen, accum;
    std::vector<Index> drawList;
    std::vector<float> depths;
    std::vector<ColorRGB16> vertexShades, faceShades;
    float nextRandom = 0;  // the generator moved on by the same pivots
};

template <class T>
std::vector<T> Copy(const Table<T>& table) {
    std::vector<T> out;
    for (int i = 0; i <= kTableCapacity; ++i) out.push_back(table[i]);
    return out;
}

void ExpectSameOutcome(const FrameOutcome& fast, const FrameOutcome& reference) {
    EXPECT_EQ(fast.fault, reference.fault);
    EXPECT_TRUE(fast.pixels == reference.pixels) << "pixels differ";
    EXPECT_EQ(fast.messages, reference.messages);
    EXPECT_TRUE(fast.world == reference.world) << "world vertices differ";
    EXPECT_TRUE(fast.view == reference.view) << "view vertices differ";
    EXPECT_TRUE(fast.screen == reference.screen) << "screen vertices differ";
    EXPECT_TRUE(fast.accum == reference.accum) << "normal sums differ";
    EXPECT_TRUE(fast.drawList == reference.drawList) << "draw lists differ";
    EXPECT_TRUE(fast.depths == reference.depths) << "depth keys differ";
    EXPECT_TRUE(fast.vertexShades == reference.vertexShades) << "vertex shades differ";
    EXPECT_TRUE(fast.faceShades == reference.faceShades) << "face shades differ";
    EXPECT_EQ(fast.nextRandom, reference.nextRandom);
}

class FastPathEqualityTest : public RenderTest {
  protected:
    void TearDown() override {
        UseReferencePath(false);
        RenderTest::TearDown();
    }

    // Builds the scene afresh with build (which returns the camera), draws one frame on a fresh surface
    // through the chosen path and records the outcome.
    FrameOutcome Draw(const std::function<Index()>& build, bool reference, int width = 488,
                      int height = 369) {
        ResetScene();
        InitEngine();
        UseFixedRandomSeed(77);
        ui.messages.clear();
        const Index camera = build();
        Canvas surface(width, height);
        surface.SetBackColor(kGrey);
        surface.Clear();
        UseReferencePath(reference);
        FrameOutcome out;
        try {
            RenderFrame(surface, camera);
        } catch (const EngineFault& fault) {
            out.fault = std::string(typeid(fault).name()) + ": " + fault.what();
        }
        UseReferencePath(false);
        const SceneStore& s = Scene();
        out.pixels.assign(surface.Pixels(), surface.Pixels() + width * height);
        out.messages = ui.MessageTexts();
        out.world = Copy(s.WorldVertices);
        out.view = Copy(s.ViewVertices);
        out.screen = Copy(s.ScreenVertices);
        out.accum = Copy(s.VertexAccum);
        out.drawList = Copy(s.DrawList);
        out.depths = Copy(s.FaceDepths);
        out.vertexShades = Copy(s.VertexShades);
        out.faceShades = Copy(s.FaceShades);
        out.nextRandom = NextRandom();
        return out;
    }

    void ExpectBothPathsAgree(const std::function<Index()>& build, int width = 488, int height = 369) {
        ExpectSameOutcome(Draw(build, false, width, height), Draw(build, true, width, height));
    }
};

// One light at the camera, which orbits the origin as the frame loop has it.
Index OrbitingCameraAndLight(int style, float distance) {
    const Index camera = CreateCamera();
    const Index light = CreateLight();
    OrbitCamera(camera, ZeroVector(), distance, 0.5f, 0.4f);
    Scene().Lights[light].Position = Scene().Cameras[camera].Position;
    Scene().Cameras[camera].DrawStyle = static_cast<Index>(style);
    return camera;
}

Index AddMenuSolid(int menuIndex, ColorRGB16 color) {
    const Index mesh = BuildMenuSolid(menuIndex);
    CenterMesh(mesh);
    SetMeshColor(mesh, color, 0.5f);
    return mesh;
}

TEST_F(FastPathEqualityTest, EveryMenuSolidInEveryStyleNearAndFar) {
    for (const SolidMenuEntry& entry : SolidMenuEntries()) {
        for (int style = 0; style < 6; ++style) {
            // From afar the solid sits inside the picture; from close by the picture clips it.
            for (const float distance : {200.0f, 45.0f}) {
                SCOPED_TRACE(std::string(entry.EnglishName) + " style " + std::to_string(style) + " at " +
                             std::to_string(distance));
                ExpectBothPathsAgree([&] {
                    AddMenuSolid(entry.Index, {40, 110, 200});
                    return OrbitingCameraAndLight(style, distance);
                });
            }
        }
    }
}

TEST_F(FastPathEqualityTest, TheTenThousandFaceSceneInEveryStyleAndBothSizes) {
    // Eleven spheres in different colours (so that corners are shaded once per colour), with the
    // camera's lighting options on, which the menu solids leave off.
    auto build = [](int style) {
        for (int k = 0; k < 11; ++k) {
            const Index mesh = AddMenuSolid(kSphere, {static_cast<std::int16_t>(20 * k), 110, 200});
            MeshRecord& m = Scene().Meshes[mesh];
            m.Scale = {0.55f, 0.55f, 0.55f};
            m.Position = {-75.0f + 50 * (k % 4), -50.0f + 50 * (k / 4), 0};
            m.MatrixDirty = true;
        }
        const Index camera = OrbitingCameraAndLight(style, 200);
        CameraRecord& c = Scene().Cameras[camera];
        c.SpecularOn = style >= 3;
        c.AttenuationOn = style >= 3;
        c.AttenuationNear = 100;
        c.AttenuationFar = 400;
        LightRecord& light = Scene().Lights[1];
        light.NearRange = 50;
        light.FarRange = 500;
        return camera;
    };
    for (int style = 0; style < 6; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        ExpectBothPathsAgree([&] { return build(style); });
        ExpectBothPathsAgree([&] { return build(style); }, 1920, 1080);
    }
}

// A value that overflows in each stage of the frame, and settings the frame reports: both paths raise
// the same fault (or show the same message) and leave the same half-done frame behind.
TEST_F(FastPathEqualityTest, FaultsAndReportsMatchInEveryStage) {
    struct Case {
        const char* name;
        std::function<void(Index camera, Index cube)> spoil;
        bool faults;
    };
    // A parallel projection this many pixels to a unit: huge scales overflow on the way to the screen.
    auto orthographic = [](float scale) {
        return [scale](Index camera, Index) {
            Scene().Cameras[camera].Orthographic = true;
            Scene().Cameras[camera].OrthoScale = scale;
        };
    };
    const Case cases[] = {
        {"world transform",
         [](Index, Index cube) {
             Scene().Vertices[Scene().Meshes[cube].FirstVertex] = {3e38f, 0, 0};
             Scene().Meshes[cube].Scale = {2, 2, 2};
             Scene().Meshes[cube].MatrixDirty = true;
         },
         true},
        {"projection", orthographic(3e37f), true},
        {"face normal in culling",
         [](Index camera, Index cube) {
             // A cube 4e19 across seen from 2e20 away: its edges' cross products overflow.
             Scene().Cameras[camera].NearClip = 1e19f;
             Scene().Cameras[camera].FarClip = 1e30f;
             OrbitCamera(camera, ZeroVector(), 2e20f, 0.5f, 0.4f);
             MeshRecord& m = Scene().Meshes[cube];
             m.Scale = {1e18f, 1e18f, 1e18f};
             m.MatrixDirty = true;
         },
         true},
        {"screen position of a corner", orthographic(1e9f), true},
        {"light far away in shading",
         [](Index, Index) {
             Scene().Lights[1].Position = {-3e38f, 0, -3e38f};
         },
         true},
        {"equal light ranges, reported once",
         [](Index camera, Index) {
             Scene().Cameras[camera].AttenuationOn = true;
             Scene().Cameras[camera].AttenuationNear = 0;
             Scene().Cameras[camera].AttenuationFar = 1000;
             Scene().Lights[1].NearRange = Scene().Lights[1].FarRange = 5;
         },
         false},
    };
    for (const Case& c : cases) {
        for (const int style : {1, 2, 5}) {
            SCOPED_TRACE(std::string(c.name) + " style " + std::to_string(style));
            auto build = [&] {
                const Index cube = MakeCube(20);
                const Index camera = OrbitingCameraAndLight(style, 200);
                c.spoil(camera, cube);
                return camera;
            };
            const FrameOutcome fast = Draw(build, false);
            ExpectSameOutcome(fast, Draw(build, true));
            // Style 1 shades nothing, so the faults and reports of shading cannot happen there.
            if (style != 1) {
                EXPECT_EQ(fast.fault.empty(), !c.faults) << fast.fault;
                EXPECT_EQ(fast.messages.size(), c.faults ? 0u : 1u);
            }
        }
    }
}

}  // namespace
}  // namespace quarn::test
