// The window's frame step with a menu solid at the designed view size, beside a plain clear of the
// same view: what one redraw costs while the user drags.

#include <benchmark/benchmark.h>

#include "platform/random.hpp"
#include "scene/scene.hpp"
#include "shell/shell.hpp"

namespace orrin {
namespace {

// The window after start-up with the solid of the menu index chosen, its view 488 x 369 pixels.
void StartWithSolid(int menuIndex) {
    ResetShell();
    quarn::UseFixedRandomSeed(5);
    Form_Load("");
    Form_Resize(kStartClientWidth, kStartClientHeight);
    Form_Activate();
    mnuBasicOption_Click(static_cast<quarn::Index>(menuIndex));
    Shell().OrbitYaw = 0.5f;
    Shell().OrbitPitch = 0.4f;
}

void BM_FrameStep(benchmark::State& state) {
    StartWithSolid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        quarn::Scene().NeedsRedraw = true;
        FrameStep();
        benchmark::DoNotOptimize(Form1().Picture1.Image.Pixels());
    }
    state.SetLabel(std::to_string(Form1().Picture1.Image.Width()) + "x" +
                   std::to_string(Form1().Picture1.Image.Height()));
}
// Cube, cone, sphere, torus.
BENCHMARK(BM_FrameStep)->Arg(0)->Arg(4)->Arg(2)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_ClearView(benchmark::State& state) {
    StartWithSolid(0);
    for (auto _ : state) {
        Form1().Picture1.Image.Clear();
        benchmark::DoNotOptimize(Form1().Picture1.Image.Pixels());
    }
}
BENCHMARK(BM_ClearView)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orrin
