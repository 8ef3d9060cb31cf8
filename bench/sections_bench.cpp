// Sections of a closed mesh of 10000 faces by a plane that moves, as a slider moves it: with the
// topology built for each cut, and on a topology built once.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "geometry/mesh_topology.hpp"
#include "geometry/plane_cut.hpp"

namespace {

using namespace quarn;

// A sphere of radius 40 with 100 facets round and 51 rows: 10000 triangles, closed.
SolidMesh SphereOf10000Faces() {
    constexpr int kRound = 100, kRows = 51;
    const double pi = std::numbers::pi;
    SolidMesh mesh;
    mesh.Points.push_back({0, 40, 0});
    for (int row = 1; row < kRows; ++row)
        for (int k = 0; k < kRound; ++k) {
            const double polar = pi * row / kRows, around = 2 * pi * k / kRound;
            mesh.Points.push_back({40 * std::sin(polar) * std::cos(around), 40 * std::cos(polar),
                                   40 * std::sin(polar) * std::sin(around)});
        }
    mesh.Points.push_back({0, -40, 0});
    const int south = int(mesh.Points.size()) - 1;
    const auto at = [](int row, int k) { return 1 + (row - 1) * kRound + (k % kRound); };
    for (int k = 0; k < kRound; ++k) {
        mesh.Triangles.push_back({0, at(1, k + 1), at(1, k)});
        for (int row = 1; row + 1 < kRows; ++row) {
            mesh.Triangles.push_back({at(row, k), at(row, k + 1), at(row + 1, k + 1)});
            mesh.Triangles.push_back({at(row, k), at(row + 1, k + 1), at(row + 1, k)});
        }
        mesh.Triangles.push_back({south, at(kRows - 1, k), at(kRows - 1, k + 1)});
    }
    return mesh;
}

// A tilted plane that sweeps through the sphere from run to run.
SectionPlane SweptPlane(int step) {
    return MakeSectionPlane({0, -30.0 + step % 61, 0}, {0.3, 1, 0.2});
}

void BM_CutSolid(benchmark::State& state) {
    const SolidMesh mesh = SphereOf10000Faces();
    state.SetLabel(std::to_string(mesh.Triangles.size()) + " faces");
    int step = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CutSolid(mesh, SweptPlane(step++)));
}
BENCHMARK(BM_CutSolid)->Unit(benchmark::kMillisecond);

void BM_CutPreparedTopology(benchmark::State& state) {
    const MeshTopology topology = BuildMeshTopology(SphereOf10000Faces());
    state.SetLabel(std::to_string(topology.Faces.size()) + " faces");
    int step = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CutSolid(topology, SweptPlane(step++)));
}
BENCHMARK(BM_CutPreparedTopology)->Unit(benchmark::kMillisecond);

}  // namespace
