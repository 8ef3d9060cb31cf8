// Building the menu's solids, and refining the menu sphere.

#include <benchmark/benchmark.h>

#include "scene/scene.hpp"
#include "solids/curved_solids.hpp"
#include "solids/solid_menu.hpp"
#include "solids/subdivision.hpp"

namespace {

using namespace quarn;

void FreshStore() {
    ResetScene();
    InitEngine();
}

// One menu solid per run; deleting it leaves the pools as they were for the next one.
void BM_BuildMenuSolid(benchmark::State& state) {
    FreshStore();
    const int index = static_cast<int>(state.range(0));
    state.SetLabel(std::string(FindSolidMenuEntry(index)->EnglishName));
    for (auto _ : state) {
        const Index mesh = BuildMenuSolid(index);
        benchmark::DoNotOptimize(mesh);
        DeleteMesh(mesh);
    }
}
BENCHMARK(BM_BuildMenuSolid)->Apply([](benchmark::internal::Benchmark* b) {
    for (const SolidMenuEntry& e : SolidMenuEntries()) b->Arg(e.Index);
})->Unit(benchmark::kMicrosecond);

void BM_BuildEveryMenuSolid(benchmark::State& state) {
    FreshStore();
    for (auto _ : state) {
        for (const SolidMenuEntry& e : SolidMenuEntries()) DeleteMesh(BuildMenuSolid(e.Index));
    }
}
BENCHMARK(BM_BuildEveryMenuSolid)->Unit(benchmark::kMillisecond);

// The refinement alone: the sphere is built and removed outside the timing.
template <Index (*Refine)(Index, Index)>
void BM_RefineMenuSphere(benchmark::State& state) {
    FreshStore();
    for (auto _ : state) {
        state.PauseTiming();
        const Index sphere = CreateSphere(40, 26, 18);
        state.ResumeTiming();
        const Index refined = Refine(sphere, 1);
        benchmark::DoNotOptimize(refined);
        state.PauseTiming();
        DeleteMesh(refined);
        state.ResumeTiming();
    }
}
// Midpoints end with a weld of 3096 vertices; centroids need none, which shows what the weld costs.
BENCHMARK(BM_RefineMenuSphere<SubdivideMidpoints>)
    ->Name("BM_SubdivideMidpointsMenuSphere")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefineMenuSphere<SubdivideCentroids>)
    ->Name("BM_SubdivideCentroidsMenuSphere")
    ->Unit(benchmark::kMillisecond);

}  // namespace
