// Textbook line drawings of models of about 10000 faces: a finely divided torus (silhouettes over
// curved facets) and a block of boxes (many feature edges hiding each other), then a whole sheet
// written to a vector file; and the oblique drawing of each menu solid, as a slider redraws it.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "drawing/line_drawing.hpp"
#include "drawing/sheet_writer.hpp"
#include "drawing/textbook_sheet.hpp"
#include "scene/scene.hpp"
#include "solids/curved_solids.hpp"
#include "solids/solid_menu.hpp"

namespace {

using namespace quarn;

// 100 x 50 quads: 10000 triangles.
SolidMesh FineTorus() {
    ResetScene();
    InitEngine();
    return ReadSceneMesh(CreateTorus(40, 10, 100, 50));
}

// 25 x 33 boxes of different heights on a grid, 12 triangles each: 9900 triangles.
SolidMesh BlockOfBoxes() {
    SolidMesh mesh;
    constexpr int kCorners[12][3] = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
                                     {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
    for (int i = 0; i < 25; ++i)
        for (int j = 0; j < 33; ++j) {
            const int first = int(mesh.Points.size());
            const double height = 2 + (i * 7 + j * 13) % 9;
            for (int c = 0; c < 8; ++c)
                mesh.Points.push_back(
                    {i * 3.0 + (c & 1 ? 2 : 0), c & 4 ? height : 0, j * 3.0 + (c & 2 ? 2 : 0)});
            for (const auto& t : kCorners)
                mesh.Triangles.push_back({first + t[0], first + t[1], first + t[2]});
        }
    return mesh;
}

DrawingView RaisedCamera() {
    const Point3 eye{0, 80, -160};
    const double length = LengthOf(eye);
    const Point3 forward = eye * (-1 / length);
    const Point3 right{1, 0, 0};
    return DrawingView::Perspective(eye, right, CrossProduct(forward, right), forward, 1);
}

void BM_DrawFineTorusFromTheCamera(benchmark::State& state) {
    const SolidMesh torus = FineTorus();
    const DrawingView view = RaisedCamera();
    for (auto _ : state) benchmark::DoNotOptimize(DrawSolidEdges({&torus, 1}, view).Runs.size());
    state.SetLabel(std::to_string(torus.Triangles.size()) + " faces");
}
BENCHMARK(BM_DrawFineTorusFromTheCamera)->Unit(benchmark::kMillisecond);

void BM_DrawFineTorusOblique(benchmark::State& state) {
    const SolidMesh torus = FineTorus();
    const DrawingView view = MakeTextbookView(ViewKind::Oblique);
    for (auto _ : state) benchmark::DoNotOptimize(DrawSolidEdges({&torus, 1}, view).Runs.size());
    state.SetLabel(std::to_string(torus.Triangles.size()) + " faces");
}
BENCHMARK(BM_DrawFineTorusOblique)->Unit(benchmark::kMillisecond);

void BM_DrawBlockOfBoxesOblique(benchmark::State& state) {
    const SolidMesh boxes = BlockOfBoxes();
    const DrawingView view = MakeTextbookView(ViewKind::Oblique);
    std::size_t runs = 0;
    for (auto _ : state) benchmark::DoNotOptimize(runs = DrawSolidEdges({&boxes, 1}, view).Runs.size());
    state.SetLabel(std::to_string(boxes.Triangles.size()) + " faces, " + std::to_string(runs) + " runs");
}
BENCHMARK(BM_DrawBlockOfBoxesOblique)->Unit(benchmark::kMillisecond);

// The argument is the solid's place in the menu.
void BM_DrawMenuSolidOblique(benchmark::State& state) {
    const SolidMenuEntry& entry = SolidMenuEntries()[std::size_t(state.range(0))];
    ResetScene();
    InitEngine();
    const Index built = BuildMenuSolid(entry.Index);
    CenterMesh(built);
    const SolidMesh solid = ReadSceneMesh(built);
    const DrawingView view = MakeTextbookView(ViewKind::Oblique);
    const DrawingOptions labelled{.Labels = true};
    for (auto _ : state) benchmark::DoNotOptimize(DrawSolidEdges({&solid, 1}, view, labelled).Runs.size());
    state.SetLabel(std::string(entry.EnglishName));
}
BENCHMARK(BM_DrawMenuSolidOblique)
    ->DenseRange(0, int(SolidMenuEntries().size()) - 1)
    ->Unit(benchmark::kMillisecond);

// What orrin-render --textbook --view three does after loading: three drawings and an SVG file.
void BM_ThreeViewSheetOfBoxesToSvg(benchmark::State& state) {
    const SolidMesh boxes = BlockOfBoxes();
    const std::string path = (std::filesystem::temp_directory_path() / "orrin-drawing-bench.svg").string();
    for (auto _ : state) WriteSheetFile(ToSheet(MakeThreeViewSheet({&boxes, 1})), path, 842, 595);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ThreeViewSheetOfBoxesToSvg)->Unit(benchmark::kMillisecond);

}  // namespace
