#include "shell/start_up.hpp"

#include "render/view_background.hpp"
#include "scene/scene.hpp"
#include "shell/colour_panes.hpp"
#include "shell/main_form.hpp"
#include "shell/model_opening.hpp"
#include "shell/shell_state.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr std::int16_t kRealisticStyle = 2;

void PrepareView(PictureBox& view) {
    view.Image.SetBackColor(kViewBackColor);
    view.Image.SetBackgroundPicture(ViewBackgroundPicture());
    MovePicture(view, 0, 0, kViewWidth, kViewHeight);
    view.Image.Clear();
}

}  // namespace

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty()) text += ' ';
        text += argument;
    }
    return text;
}

void Form_Load(const std::string& commandLine) {
    SceneStore& s = Scene();
    ShellState& shell = Shell();
    MainForm& form = Form1();

    InitEngine();
    PrepareView(form.Picture1);
    form.Picture2.Image.SetBackColor(0);
    form.Picture3.Image.SetBackColor(0);
    shell.FrameCount = 10;

    s.CurrentCamera = CreateCamera();
    s.Cameras[s.CurrentCamera].OrthoScale = 1.0f;
    s.Cameras[s.CurrentCamera].DrawStyle = kRealisticStyle;
    form.Menus.SetChecked("mnuDrawStyleOption", kRealisticStyle, true);
    s.CurrentLight = CreateLight();

    shell.OrbitDistance = 200.0f;
    shell.RotateSpeed = 0.01f;
    shell.ZoomSpeed = 1.0f;
    // The frame loop may start whatever opening the model does: a fault the readers do not catch is
    // reported by the caller, and the window still draws its frames.
    try {
        if (!commandLine.empty()) OpenCommandLineModel(commandLine);
    } catch (...) {
        shell.LoopReady = true;
        throw;
    }
    shell.LoopReady = true;
}

void Form_Resize(int width, int height) {
    MainForm& form = Form1();
    form.ScaleWidth = width;
    form.ScaleHeight = height;
    const int strip = RoundToInt16(height / 20.0);
    MovePicture(form.Picture1, 0, 0, width, form.Picture1.Height);
    if (MovePicture(form.Picture2, width - strip, 0, strip, height - strip)) Picture2_Resize();
    if (MovePicture(form.Picture3, 0, height - strip, width, strip)) Picture3_Resize();
    Scene().NeedsRedraw = true;
}

bool Form_Activate() {
    ShellState& shell = Shell();
    if (!shell.LoopReady) return false;
    shell.LoopReady = false;
    shell.LoopRunning = true;
    return true;
}

void Form_Unload() {
    Form1().EndRequested = true;
}

}  // namespace orrin
