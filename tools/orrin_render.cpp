// orrin-render: the engine from the command line. Builds a solid or loads a model exactly as the window
// does, then draws one frame into a PNG file, prints the scene as JSON, or saves the model.

#include <iostream>
#include <string>
#include <vector>

#include "files/native_model.hpp"
#include "measures_report.hpp"
#include "message_log.hpp"
#include "net_output.hpp"
#include "platform/engine_fault.hpp"
#include "platform/random.hpp"
#include "render/view_background.hpp"
#include "render_options.hpp"
#include "scene/scene.hpp"
#include "scene_report.hpp"
#include "scene_sources.hpp"
#include "section_output.hpp"
#include "shell/frame_step.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"
#include "shell/start_up.hpp"
#include "textbook_output.hpp"

namespace orrin {
namespace {

using namespace quarn;

// The window's start-up, with the camera's style and projection and the view's size from the options.
void PrepareEngine(const RenderOptions& options) {
    Form_Load("");
    SceneStore& s = Scene();
    s.Cameras[s.CurrentCamera].DrawStyle = static_cast<Index>(options.style);
    s.Cameras[s.CurrentCamera].Orthographic = options.orthographic;
    Canvas& view = Form1().Picture1.Image;
    view.Resize(options.width, options.height);
    view.SetBackgroundPicture(options.background ? ViewBackgroundPicture() : nullptr);
}

// One frame step of the window with the orbit the options give.
void DrawFrame(const RenderOptions& options) {
    ShellState& shell = Shell();
    shell.OrbitYaw = options.yaw;
    shell.OrbitPitch = options.pitch;
    shell.OrbitDistance = options.distance;
    FrameStep();
}

Index MeshToSave() {
    const SceneStore& s = Scene();
    if (s.CurrentMesh != 0) return s.CurrentMesh;
    if (s.MeshSlots.Count == 1) return s.MeshSlots.First;
    throw SourceError(s.MeshSlots.Count == 0 ? "there is no mesh to save"
                                             : "the model holds " + std::to_string(s.MeshSlots.Count) +
                                                   " meshes; a .qrn file holds one");
}

int RunSteps(const RenderOptions& options, SceneReportOptions& report) {
    PrepareEngine(options);
    const LoadedSolid solid = LoadSource(options);

    if (!options.saveQrn.empty() && !SaveModel(MeshToSave(), options.saveQrn)) return 1;

    report.section = CutSceneSolid(options, solid);
    if (options.textbook.enabled) WriteTextbookDrawing(options, solid, report.section);
    if (options.net.enabled) report.net = RunNet(options, solid);
    const bool sheet = options.textbook.enabled || WritesNetSheet(options);
    if ((!options.outputPng.empty() && !sheet) || options.frame) {
        DrawFrame(options);
        if (!options.outputPng.empty()) Form1().Picture1.Image.WritePng(options.outputPng);
    }
    report.solid = solid;
    return 0;
}

// The run, with every message on standard error and, for --info, in the report. When a step fails the
// report still shows what the store holds and why the run stopped; the failure goes on to main.
int Run(const RenderOptions& options) {
    if (options.seed) UseFixedRandomSeed(*options.seed);
    MessageLog log;
    SceneReportOptions report{options.geometry, options.frame, {}, {}, std::nullopt};
    try {
        const int status = RunSteps(options, report);
        if (options.info) WriteSceneReport(std::cout, report, log.Messages());
        return status;
    } catch (const UsageError&) {
        throw;  // a section plane that does not fit the solid: one line, no report
    } catch (const std::exception& failure) {
        if (options.info) {
            log.Keep({std::nullopt, failure.what(), "orrin-render"});
            WriteSceneReport(std::cout, report, log.Messages());
        }
        throw;
    }
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
    } catch (const UsageError& error) {  // a section plane that does not fit the solid
        std::cerr << "orrin-render: " << error.what() << '\n';
        return 2;
    } catch (const SourceError& error) {
        std::cerr << "orrin-render: " << error.what() << '\n';
    } catch (const quarn::EngineFault& fault) {
        std::cerr << "orrin-render: " << fault.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "orrin-render: " << error.what() << '\n';
    }
    return 1;
}
