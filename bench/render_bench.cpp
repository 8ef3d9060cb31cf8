// Whole frames of the menu sphere, the menu torus and a scene that fills the face table, in the flat
// and the smooth style, through the fast paths and through the checked reference, each beside a plain
// clear of the same canvas.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/canvas.hpp"
#include "platform/random.hpp"
#include "platform/reference_path.hpp"
#include "render/draw_style_codes.hpp"
#include "render/frame_pipeline.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace quarn {
namespace {

constexpr std::int32_t kGrey = 192 + 192 * 256 + 192 * 65536;
constexpr int kSphere = 2;
constexpr int kTorus = 10;

enum class BenchScene { Sphere, Torus, FullTables };

Index AddSolid(int menuIndex, const ColorRGB16& color) {
    const Index mesh = BuildMenuSolid(menuIndex);
    CenterMesh(mesh);
    SetMeshColor(mesh, color, 0.5f);
    return mesh;
}

// A fresh store with one camera, one light and the scene's meshes; returns the camera.
Index BuildScene(BenchScene scene) {
    ResetScene();
    InitEngine();
    UseFixedRandomSeed(11);
    const Index camera = CreateCamera();
    CreateLight();
    switch (scene) {
        case BenchScene::Sphere: AddSolid(kSphere, {40, 110, 200}); break;
        case BenchScene::Torus: AddSolid(kTorus, {40, 110, 200}); break;
        case BenchScene::FullTables: {
            // Eleven small spheres on a 4 x 3 grid: 9724 faces, all in view.
            for (int k = 0; k < 11; ++k) {
                const Index mesh = AddSolid(kSphere, {static_cast<std::int16_t>(20 * k), 110, 200});
                MeshRecord& m = Scene().Meshes[mesh];
                m.Scale = {0.55f, 0.55f, 0.55f};
                m.Position = {-75.0f + 50 * (k % 4), -50.0f + 50 * (k / 4), 0};
                m.MatrixDirty = true;
            }
            break;
        }
    }
    return camera;
}

void PlaceCamera(Index camera) {
    OrbitCamera(camera, ZeroVector(), 200, 0.5f, 0.4f);
    Scene().Lights[1].Position = Scene().Cameras[camera].Position;
}

// The frame through the fast paths, or through the checked reference code they stand in for.
void RenderFrameBench(benchmark::State& state, BenchScene scene, Index style, int width, int height, bool reference) {
    UseReferencePath(reference);
    const Index camera = BuildScene(scene);
    Scene().Cameras[camera].DrawStyle = style;
    Canvas surface(width, height);
    surface.SetBackColor(kGrey);
    surface.Clear();
    PlaceCamera(camera);
    RenderFrame(surface, camera);
    int faces = 0;
    while (faces <= kTableCapacity && Scene().DrawList[faces] != 0) ++faces;
    for (auto _ : state) {
        PlaceCamera(camera);  // the frame loop aims the camera before every frame, which marks it dirty
        RenderFrame(surface, camera);
        benchmark::DoNotOptimize(surface.Pixels());
    }
    state.counters["faces_drawn"] = faces;
    UseClockRandomSeed();
    UseReferencePath(false);
}

void ClearBench(benchmark::State& state, int width, int height) {
    Canvas surface(width, height);
    surface.SetBackColor(kGrey);
    for (auto _ : state) {
        surface.Clear();
        benchmark::DoNotOptimize(surface.Pixels());
    }
    state.counters["faces_drawn"] = 0;  // every run has the same columns, which CSV output needs
}

struct Size {
    int width, height;
};

const bool registered = [] {
    const Size sizes[] = {{488, 369}, {1920, 1080}};
    const struct {
        const char* name;
        BenchScene scene;
    } scenes[] = {{"sphere", BenchScene::Sphere}, {"torus", BenchScene::Torus}, {"full_tables", BenchScene::FullTables}};
    for (const Size size : sizes) {
        const std::string dims = std::to_string(size.width) + "x" + std::to_string(size.height);
        benchmark::RegisterBenchmark(("Clear/" + dims).c_str(), ClearBench, size.width, size.height)
            ->Unit(benchmark::kMicrosecond);
        for (const auto& s : scenes)
            for (const Index style : {kStyleFlatShaded, kStyleSmooth})
                for (const bool reference : {false, true})
                    benchmark::RegisterBenchmark((std::string(reference ? "RenderFrameReference/" : "RenderFrame/") +
                                                  s.name + "/style" + std::to_string(style) + "/" + dims)
                                                     .c_str(),
                                                 RenderFrameBench, s.scene, style, size.width, size.height, reference)
                        ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
}  // namespace quarn
