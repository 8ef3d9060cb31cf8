// orrin-render: the engine from the command line. Builds a solid or loads a model exactly as the window
// does, then draws one frame into a PNG file, prints the scene as JSON, or saves the model.

#include <iostream>
#include <string>
#include <vector>

#include "files/native_model.hpp"
#include "platform/canvas.hpp"
#include "platform/engine_fault.hpp"
#include "platform/random.hpp"
#include "render/frame_pipeline.hpp"
#include "render/view_background.hpp"
#include "render_options.hpp"
#include "scene/scene.hpp"
#include "scene_report.hpp"
#include "scene_sources.hpp"
#include "measures_report.hpp"
#include "textbook_output.hpp"

namespace orrin {
namespace {

using namespace quarn;

constexpr std::int32_t kViewBackColor = 192 + 192 * 256 + 192 * 65536;

// The start-up of the window: one camera in the realistic style and one light.
void PrepareEngine(const RenderOptions& options) {
    InitEngine();
    SceneStore& s = Scene();
    s.CurrentCamera = CreateCamera();
    s.Cameras[s.CurrentCamera].OrthoScale = 1.0f;
    s.Cameras[s.CurrentCamera].DrawStyle = static_cast<Index>(options.style);
    s.Cameras[s.CurrentCamera].Orthographic = options.orthographic;
    s.CurrentLight = CreateLight();
}

// One step of the window's frame loop: the camera on its orbit, the light at the camera, clear, render.
void DrawFrame(const RenderOptions& options, Canvas& view) {
    SceneStore& s = Scene();
    OrbitCamera(s.CurrentCamera, ZeroVector(), options.distance, options.yaw, options.pitch);
    s.Lights[s.CurrentLight].Position = s.Cameras[s.CurrentCamera].Position;
    view.Clear();
    RenderFrame(view, s.CurrentCamera);
}

Index MeshToSave() {
    const SceneStore& s = Scene();
    if (s.CurrentMesh != 0) return s.CurrentMesh;
    if (s.MeshSlots.Count == 1) return s.MeshSlots.First;
    throw SourceError(s.MeshSlots.Count == 0 ? "there is no mesh to save"
                                             : "the model holds " + std::to_string(s.MeshSlots.Count) +
                                                   " meshes; a .qrn file holds one");
}

int Run(const RenderOptions& options) {
    if (options.seed) UseFixedRandomSeed(*options.seed);
    PrepareEngine(options);
    LoadSource(options);

    if (!options.saveQrn.empty() && !SaveModel(MeshToSave(), options.saveQrn)) return 1;

    if (options.textbook.enabled) WriteTextbookDrawing(options);
    if ((!options.outputPng.empty() && !options.textbook.enabled) || options.frame) {
        Canvas view(options.width, options.height);
        view.SetBackColor(kViewBackColor);
        if (options.background) view.SetBackgroundPicture(ViewBackgroundPicture());
        DrawFrame(options, view);
        if (!options.outputPng.empty()) view.WritePng(options.outputPng);
    }
    NoteMeasuredSource(options.source);
    if (options.info) WriteSceneReport(std::cout, options.frame);
    return 0;
}

}  // namespace
}  // namespace orrin

int main(int argc, char** argv) {
    using namespace orrin;
    RenderOptions options;
    try {
        options = ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "orrin-render: " << error.what() << " (see orrin-render --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << RenderUsage();
        return 0;
    }
    try {
        return Run(options);
    } catch (const SourceError& error) {
        std::cerr << "orrin-render: " << error.what() << '\n';
    } catch (const quarn::EngineFault& fault) {
        std::cerr << "orrin-render: " << fault.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "orrin-render: " << error.what() << '\n';
    }
    return 1;
}
