// Nets: each menu solid that has one (customary layouts, searched cut trees, developments), and the
// cut-tree search for a closed 80-face solid with no customary layout (a geodesic sphere of
// frequency 2), each with its glue tabs.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <map>
#include <string>

#include "geometry/net_tabs.hpp"
#include "geometry/solid_net.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace {

using namespace quarn;

// The icosahedron with each triangle cut in four and the new corners pushed onto the sphere.
SolidMesh GeodesicSphere80() {
    const double g = (1 + std::sqrt(5.0)) / 2;
    SolidMesh mesh;
    mesh.Points = {{-1, g, 0}, {1, g, 0}, {-1, -g, 0}, {1, -g, 0}, {0, -1, g}, {0, 1, g},
                   {0, -1, -g}, {0, 1, -g}, {g, 0, -1}, {g, 0, 1}, {-g, 0, -1}, {-g, 0, 1}};
    const std::array<std::array<int, 3>, 20> faces{{{0, 11, 5}, {0, 5, 1}, {0, 1, 7}, {0, 7, 10}, {0, 10, 11},
                                                   {1, 5, 9}, {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                                                   {3, 9, 4}, {3, 4, 2}, {3, 2, 6}, {3, 6, 8}, {3, 8, 9},
                                                   {4, 9, 5}, {2, 4, 11}, {6, 2, 10}, {8, 6, 7}, {9, 8, 1}}};
    std::map<std::pair<int, int>, int> middles;
    auto middle = [&](int a, int b) {
        const auto key = std::minmax(a, b);
        const auto it = middles.find(key);
        if (it != middles.end()) return it->second;
        mesh.Points.push_back((mesh.Points[a] + mesh.Points[b]) * 0.5);
        return middles[key] = int(mesh.Points.size()) - 1;
    };
    for (const auto& f : faces) {
        const int ab = middle(f[0], f[1]), bc = middle(f[1], f[2]), ca = middle(f[2], f[0]);
        for (const std::array<int, 3>& t : {std::array{f[0], ab, ca}, std::array{ab, f[1], bc},
                                            std::array{ca, bc, f[2]}, std::array{ab, bc, ca}})
            mesh.Triangles.push_back(t);
    }
    for (Point3& p : mesh.Points) p = p * (40 / LengthOf(p));
    return mesh;
}

void BM_MenuSolidNet(benchmark::State& state) {
    ResetScene();
    InitEngine();
    const SolidMenuEntry& entry = *FindSolidMenuEntry(int(state.range(0)));
    const Index built = BuildMenuSolid(entry.Index);
    CenterMesh(built);
    NetSource source{ReadSceneMesh(built), std::nullopt, 30};
    if (entry.Exact.Shape != IdealShape::Sphere || entry.EnglishName == "sphere") source.Exact = entry.Exact;
    if (entry.Exact.Shape == IdealShape::Box || entry.Exact.Shape == IdealShape::Prism ||
        entry.Exact.Shape == IdealShape::Pyramid || entry.Exact.Shape == IdealShape::Tetrahedron ||
        entry.Exact.Shape == IdealShape::Octahedron)
        source.Exact.reset();
    for (auto _ : state) {
        SolidNet net = UnfoldSolid(source);
        AddGlueTabs(net);
        benchmark::DoNotOptimize(net.Tabs.data());
    }
    state.SetLabel(std::string(entry.EnglishName));
}
BENCHMARK(BM_MenuSolidNet)
    ->Arg(0)->Arg(2)->Arg(3)->Arg(4)->Arg(5)->Arg(7)->Arg(8)->Arg(9)->Arg(19)->Arg(21)->Arg(22)->Arg(23)->Arg(25)
    ->Unit(benchmark::kMillisecond);

void BM_GeodesicSphere80Search(benchmark::State& state) {
    const NetSource source{GeodesicSphere80(), std::nullopt, 30};
    int faces = 0, pieces = 0;
    for (auto _ : state) {
        SolidNet net = UnfoldSolid(source);
        AddGlueTabs(net);
        faces = int(net.Faces.size()), pieces = net.Pieces;
        benchmark::DoNotOptimize(net.Tabs.data());
    }
    // A label, not counters: the CSV writer wants the same counters in every run.
    state.SetLabel(std::to_string(faces) + " faces, " + std::to_string(pieces) + " piece(s)");
}
BENCHMARK(BM_GeodesicSphere80Search)->Unit(benchmark::kMillisecond);

}  // namespace
