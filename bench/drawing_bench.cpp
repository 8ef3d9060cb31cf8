// Textbook line drawings of models of about 10000 faces: a finely divided torus (silhouettes over
// curved facets) and a block of boxes (many feature edges hiding each other), then a whole sheet
// written to a vector file; and the oblique drawing of each menu solid, as a slider redraws it.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "drawing/line_drawing.hpp"
#include "drawing/sheet_writer.hpp"
#include "drawing/textbook_request.hpp"
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

// The views a drawing of a large model is asked for: the oblique drawing, the front view and the
// raised camera's perspective.
enum class BenchView { Oblique, Front, Camera };

DrawingView ViewOf(BenchView view) {
    switch (view) {
        case BenchView::Oblique: return MakeTextbookView(ViewKind::Oblique);
        case BenchView::Front: return MakeTextbookView(ViewKind::Front);
        case BenchView::Camera: break;
    }
    return RaisedCamera();
}

template <SolidMesh (*Model)(), BenchView View>
void BM_DrawLargeModel(benchmark::State& state) {
    const SolidMesh mesh = Model();
    const DrawingView view = ViewOf(View);
    std::size_t runs = 0;
    for (auto _ : state) benchmark::DoNotOptimize(runs = DrawSolidEdges({&mesh, 1}, view).Runs.size());
    state.SetLabel(std::to_string(mesh.Triangles.size()) + " faces, " + std::to_string(runs) + " runs");
}
BENCHMARK(BM_DrawLargeModel<FineTorus, BenchView::Oblique>)->Name("BM_DrawFineTorusOblique")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargeModel<FineTorus, BenchView::Front>)->Name("BM_DrawFineTorusFront")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargeModel<FineTorus, BenchView::Camera>)->Name("BM_DrawFineTorusFromTheCamera")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargeModel<BlockOfBoxes, BenchView::Oblique>)->Name("BM_DrawBlockOfBoxesOblique")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargeModel<BlockOfBoxes, BenchView::Front>)->Name("BM_DrawBlockOfBoxesFront")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargeModel<BlockOfBoxes, BenchView::Camera>)->Name("BM_DrawBlockOfBoxesFromTheCamera")->Unit(benchmark::kMillisecond);

// The worksheet's sheet of an imported model (no exact solid behind it), as a slider redraws it: the
// oblique tab, and the three views tab, which draws the same mesh three times.
template <SolidMesh (*Model)()>
void BM_WorksheetSheetOfModel(benchmark::State& state) {
    const SolidMesh mesh = Model();
    TextbookRequest request;
    request.ThreeViews = state.range(0) == 1;
    request.Labels = !request.ThreeViews;
    for (auto _ : state) benchmark::DoNotOptimize(MakeTextbookSheet({&mesh, 1}, request).Paths.size());
    state.SetLabel(request.ThreeViews ? "three views" : "oblique");
}
BENCHMARK(BM_WorksheetSheetOfModel<FineTorus>)->Name("BM_WorksheetSheetOfFineTorus")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorksheetSheetOfModel<BlockOfBoxes>)->Name("BM_WorksheetSheetOfBlockOfBoxes")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

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
