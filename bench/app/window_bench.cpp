// Frames per second of the real main window while the left button drags over the view: a menu solid
// and a sphere of about 10000 faces. One iteration is one mouse move, handled as the window handles it,
// and the frame step it arms, shown in the widget. Runs on the offscreen platform unless one is named.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <functional>

#include "app/main_window.hpp"
#include "support/recording_ui.hpp"
#include "scene/scene.hpp"
#include "shell/shell.hpp"
#include "solids/curved_solids.hpp"

namespace orrin {
namespace {

void MoveOver(QWidget* view, int x, Qt::MouseButtons buttons) {
    const QPointF at(x, 150);
    QMouseEvent event(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void RunUntilFrame(const MainWindow& window, int framesBefore) {
    while (window.FramesDrawn() == framesBefore) QCoreApplication::processEvents();
}

void DragFrames(benchmark::State& state, const std::function<void(MainWindow&)>& buildScene) {
    ResetShell();
    quarn::RecordingUi ui;
    MainWindow window;
    window.Start("");
    window.show();
    RunUntilFrame(window, 0);
    buildScene(window);
    window.findChild<QAction*>("mnuRedraw")->trigger();  // through the window, which arms the frame
    RunUntilFrame(window, window.FramesDrawn());
    const quarn::SceneStore& s = quarn::Scene();
    state.counters["faces"] = s.CurrentMesh != 0 ? s.Meshes[s.CurrentMesh].FaceCount : 0;

    QWidget* view = window.Picture(1);
    int x = 100;
    MoveOver(view, x, Qt::NoButton);
    for (auto _ : state) {
        const int before = window.FramesDrawn();
        x = x >= 400 ? 100 : x + 3;  // turns by 0.03 rad a frame, and back now and then
        MoveOver(view, x, Qt::LeftButton);
        RunUntilFrame(window, before);
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().text.c_str());
}

void BM_DragMenuCone(benchmark::State& state) {
    DragFrames(state, [](MainWindow& window) { window.findChild<QAction*>("mnuBasicOption_4")->trigger(); });
}
BENCHMARK(BM_DragMenuCone)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DragSphere10000Faces(benchmark::State& state) {
    DragFrames(state, [](MainWindow&) {
        ClearAllMeshes();
        quarn::SceneStore& s = quarn::Scene();
        s.CurrentMesh = quarn::CreateSphere(40, 100, 50);
        quarn::CenterMesh(s.CurrentMesh);
        quarn::SetMeshColor(s.CurrentMesh, {200, 120, 40}, 0.5f);
        s.NeedsRedraw = true;
    });
}
BENCHMARK(BM_DragSphere10000Faces)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orrin

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
