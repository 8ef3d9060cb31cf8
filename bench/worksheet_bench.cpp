// The worksheet following a teacher's hand: each sheet of each menu solid drawn again (built from the
// drawing layer and put into screen pixels) while an option changes, each family's sheet while a size
// slider moves, and the 3D view while the solid turns. A live window wants each under 16 ms.

#include <benchmark/benchmark.h>

#include "drawing/sheet_writer.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"
#include "worksheet/worksheet.hpp"

namespace {

using namespace orrin;
using namespace quarn;

constexpr int kSheetWidth = 480, kSheetHeight = 360;  // the sheet area of the window at its start size

Worksheet& Fresh() {
    static Worksheet* worksheet = nullptr;
    delete worksheet;
    ResetScene();
    worksheet = new Worksheet;
    return *worksheet;
}

void SetLabel(benchmark::State& state, SheetTab tab, std::string_view solid) {
    const char* tabs[] = {"oblique", "three-views", "net", "section"};
    state.SetLabel(std::string(solid) + " " + tabs[static_cast<int>(tab)]);
}

// A menu solid's sheet, drawn again after each change of its letters.
void BM_MenuSolidSheet(benchmark::State& state) {
    const std::vector<SolidPreset> presets = SolidPresets();
    const SolidPreset& preset = presets[state.range(0)];
    const auto tab = static_cast<SheetTab>(state.range(1));
    Worksheet& w = Fresh();
    w.ChoosePreset(preset.MenuIndex);
    w.SetTab(tab);
    bool letters = false;
    for (auto _ : state) {
        w.SetLetters(letters = !letters);
        benchmark::DoNotOptimize(RenderSheetPixels(w.CurrentSheet(), kSheetWidth, kSheetHeight));
    }
    SetLabel(state, tab, preset.EnglishName);
}

// A family's solid rebuilt at a new height, measured and its sheet drawn: one step of a size slider.
void BM_FamilySliderStep(benchmark::State& state) {
    const auto family = static_cast<SchoolFamily>(state.range(0));
    const auto tab = static_cast<SheetTab>(state.range(1));
    Worksheet& w = Fresh();
    w.ChooseFamily(family);
    w.SetTab(tab);
    const std::string key = family == SchoolFamily::Cuboid ? "c" : (family == SchoolFamily::Sphere || family == SchoolFamily::Hemisphere) ? "r" : "h";
    double value = 40;
    for (auto _ : state) {
        value = value == 40 ? 41 : 40;
        w.SetParameter(key, value);
        benchmark::DoNotOptimize(RenderSheetPixels(w.CurrentSheet(), kSheetWidth, kSheetHeight));
    }
    SetLabel(state, tab, FamilyInfoOf(family).Name);
}

// The 3D view of a menu solid while a drag turns it.
void BM_ViewWhileTurning(benchmark::State& state) {
    const std::vector<SolidPreset> presets = SolidPresets();
    Worksheet& w = Fresh();
    w.ChoosePreset(presets[state.range(0)].MenuIndex);
    Canvas canvas(420, 360);
    for (auto _ : state) {
        w.Turn(3, 1);
        w.DrawView(canvas);
    }
    state.SetLabel(presets[state.range(0)].EnglishName);
}

// The 3D view on the 展开图 tab while the fold slider moves: the net folded again, the camera's stand-off
// found for it, and the frame drawn.
void BM_NetViewWhileFolding(benchmark::State& state) {
    Worksheet& w = Fresh();
    w.ChoosePreset(SolidPresets()[state.range(0)].MenuIndex);
    w.SetTab(SheetTab::Net);
    Canvas canvas(420, 360);
    int step = 0;
    for (auto _ : state) {
        w.SetFold((step = (step + 1) % 101) / 100.0);
        w.DrawView(canvas);
    }
    state.SetLabel(SolidPresets()[state.range(0)].EnglishName);
}

// The pointer crossing the 3D view on the 截面 tab: what lies under it, the view drawn again with its
// outline, and a click that sets a section point or says nothing is near.
void BM_PointerOverView(benchmark::State& state) {
    Worksheet& w = Fresh();
    w.ChoosePreset(SolidPresets()[state.range(0)].MenuIndex);
    w.SetTab(SheetTab::Section);
    Canvas canvas(420, 360);
    w.DrawView(canvas);
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 420;
        benchmark::DoNotOptimize(w.HoverAt(x, 180));
        w.DrawView(canvas);
        benchmark::DoNotOptimize(w.ClickAt(x, 180));
    }
    state.SetLabel(SolidPresets()[state.range(0)].EnglishName);
}

void MenuSolidsAndTabs(benchmark::internal::Benchmark* b) {
    for (int p = 0; p < static_cast<int>(SolidPresets().size()); ++p)
        for (const SheetTab tab : {SheetTab::Oblique, SheetTab::ThreeViews, SheetTab::Net, SheetTab::Section})
            b->Args({p, static_cast<int>(tab)});
}

void FamiliesAndTabs(benchmark::internal::Benchmark* b) {
    for (const SchoolFamilyInfo& family : SchoolFamilies())
        for (const SheetTab tab : {SheetTab::Oblique, SheetTab::ThreeViews, SheetTab::Net, SheetTab::Section})
            b->Args({static_cast<int>(family.Family), static_cast<int>(tab)});
}

void MenuSolids(benchmark::internal::Benchmark* b) {
    for (int p = 0; p < static_cast<int>(SolidPresets().size()); ++p) b->Arg(p);
}

}  // namespace

BENCHMARK(BM_MenuSolidSheet)->Apply(MenuSolidsAndTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FamilySliderStep)->Apply(FamiliesAndTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewWhileTurning)->Apply(MenuSolids)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetViewWhileFolding)->Apply(MenuSolids)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerOverView)->Apply(MenuSolids)->Unit(benchmark::kMillisecond);
