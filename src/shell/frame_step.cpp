#include "shell/frame_step.hpp"

#include <utility>

#include "math/angles.hpp"
#include "render/frame_pipeline.hpp"
#include "scene/scene.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"
#include "shell/view_interaction.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr char kRunningCaption[] = "立体图形";

// The caption is set on the first frame and on every 11th after it, when the clock has moved on.
void CountFrameForCaption(ShellState& shell) {
    if (shell.FrameCount >= 10) {
        if (shell.Clock() != shell.RateTimerStart) {
            Form1().Caption = kRunningCaption;
            shell.FrameCount = 0;
            shell.RateTimerStart = shell.Clock();
        }
    } else {
        shell.FrameCount = CheckedAdd16(shell.FrameCount, 1);
    }
}

// Light mode: the light travels the orbit with its marker; the camera stays where it is. A marker
// that went with a scene clear is built again first.
void PlaceLightOnOrbit(ShellState& shell) {
    SceneStore& s = Scene();
    if (std::exchange(shell.LightMarkerCleared, false) && shell.LightMarker == 0)
        shell.LightMarker = BuildLightMarker();
    const Vector3D direction = DirectionFromAngles(MakeVector(0, shell.OrbitPitch, -shell.OrbitYaw));
    LightRecord& light = s.Lights[s.CurrentLight];
    light.Position = VectorAdd(ZeroVector(), VectorScale(direction, -shell.OrbitDistance));
    if (shell.LightMarker != 0) {
        MeshRecord& marker = s.Meshes[shell.LightMarker];
        marker.Position = light.Position;
        marker.RotationX = shell.OrbitPitch;
        marker.RotationY = -shell.OrbitYaw;
        marker.MatrixDirty = true;
    }
}

// Camera mode: the camera on the orbit and the light at the viewer's eye.
void PlaceCameraOnOrbit(const ShellState& shell) {
    SceneStore& s = Scene();
    OrbitCamera(s.CurrentCamera, ZeroVector(), shell.OrbitDistance, shell.OrbitYaw, shell.OrbitPitch);
    s.Lights[s.CurrentLight].Position = s.Cameras[s.CurrentCamera].Position;
}

class FrameGuard {
  public:
    explicit FrameGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FrameGuard() { flag_ = false; }
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;

  private:
    bool& flag_;
};

}  // namespace

bool FrameWanted() {
    const ShellState& shell = Shell();
    return shell.LoopRunning && Scene().NeedsRedraw && !shell.FrameInProgress && !Form1().EndRequested;
}

void FrameStep() {
    ShellState& shell = Shell();
    if (shell.FrameInProgress) return;
    const FrameGuard guard(shell.FrameInProgress);
    SceneStore& s = Scene();
    PictureBox& view = Form1().Picture1;

    s.NeedsRedraw = false;
    CountFrameForCaption(shell);
    shell.HighlightedFace = 0;
    if (shell.LightMode) {
        PlaceLightOnOrbit(shell);
    } else {
        PlaceCameraOnOrbit(shell);
    }
    shell.LightMarkerCleared = false;
    view.ShowNow = true;
    view.Image.Clear();
    RenderFrame(view.Image, s.CurrentCamera);
}

}  // namespace orrin
