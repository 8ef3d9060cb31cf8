#include "shell/view_interaction.hpp"

#include <cmath>

#include "math/matrix.hpp"
#include "render/draw_styles.hpp"
#include "scene/scene.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/prism_family.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
constexpr double kTwoPi = 6.28318530717958;
constexpr float kQuarterPi = 0.7853982f;

void TurnOrbit(ShellState& shell, float x, float y) {
    shell.OrbitYaw =
        StoreFloat(shell.OrbitYaw - (static_cast<double>(x) - shell.LastMouseX) * shell.RotateSpeed);
    shell.OrbitPitch =
        StoreFloat((static_cast<double>(y) - shell.LastMouseY) * shell.RotateSpeed + shell.OrbitPitch);
    // One correction each way per event: a single huge drag may stay outside [-pi, pi] until the next.
    if (shell.OrbitYaw > kPi) shell.OrbitYaw = StoreFloat(shell.OrbitYaw - kTwoPi);
    if (shell.OrbitYaw < -kPi) shell.OrbitYaw = StoreFloat(shell.OrbitYaw + kTwoPi);
    if (shell.OrbitPitch > kHalfPi) shell.OrbitPitch = kHalfPi;
    if (shell.OrbitPitch < -kHalfPi) shell.OrbitPitch = -kHalfPi;
}

void ChangeDistance(ShellState& shell, float y) {
    shell.OrbitDistance =
        StoreFloat((static_cast<double>(y) - shell.LastMouseY) * shell.ZoomSpeed + shell.OrbitDistance);
    if (shell.OrbitDistance < 0) shell.OrbitDistance = 0;
}

// Inverts a face's outline straight onto the view; inverting it again removes it.
void InvertOutline(Canvas& view, Index face) {
    if (face != 0) FillFace(view, face, BlackColor());
}

// Outlines the face under the pointer, removing the previous outline, and shows the view at once.
void HoverTest(ShellState& shell, PictureBox& view, float x, float y) {
    if (shell.LightMode) {
        view.MousePointer = kPointerDefault;
        return;
    }
    shell.HoverFace = PickFace(MakePoint(RoundToInt32(std::floor(x)), RoundToInt32(std::floor(y))));
    view.MousePointer = shell.HoverFace != 0 ? kPointerCross : kPointerDefault;
    if (shell.HoverFace == shell.HighlightedFace) return;
    view.Image.SetRasterMode(kRopNot);
    view.Image.SetPenStyle(kPenSolid);
    view.Image.SetBrushStyle(kBrushHollow);
    InvertOutline(view.Image, shell.HighlightedFace);
    shell.HighlightedFace = shell.HoverFace;
    InvertOutline(view.Image, shell.HighlightedFace);
    view.ShowNow = true;
}

// The mouse event shows Shift up while the view is in light mode: the release went elsewhere.
void EndLightModeUnlessShiftHeld(std::int16_t shift) {
    if ((shift & kShiftMask) == 0) EndLightMode();
}

void NoteMousePosition(ShellState& shell, float x, float y) {
    shell.LastMouseX = RoundToInt32(x);
    shell.LastMouseY = RoundToInt32(y);
}

}  // namespace

Index BuildLightMarker() {
    const Index marker = CreatePyramid(10, 20, 4);
    if (marker == 0) return 0;
    CenterMesh(marker);
    TransformMeshVertices(marker, TranslationMatrix(MakeVector(0, 20, 0)));
    TransformMeshVertices(marker, RotationMatrix(1, -kHalfPi));
    TransformMeshVertices(marker, RotationMatrix(3, kQuarterPi));
    SetMeshColor(marker, ColorFromRGB(255), 0.5f);
    return marker;
}

void EndLightMode() {
    if (Shell().LightMode) Picture1_KeyUp(kShiftKey, 0);
}

void Picture1_MouseDown(std::int16_t, std::int16_t shift, float x, float y) {
    EndLightModeUnlessShiftHeld(shift);
    NoteMousePosition(Shell(), x, y);
}

void Picture1_MouseEnter(float x, float y) {
    NoteMousePosition(Shell(), x, y);
}

void Picture1_LostFocus() {
    EndLightMode();
}

void Form_Deactivate() {
    EndLightMode();
}

void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    ShellState& shell = Shell();
    EndLightModeUnlessShiftHeld(shift);
    PictureBox& view = Form1().Picture1;
    switch (button) {
        case kLeftButton:
            view.MousePointer = kPointerMove;
            TurnOrbit(shell, x, y);
            Scene().NeedsRedraw = true;
            break;
        case kRightButton:
            view.MousePointer = kPointerUpDown;
            ChangeDistance(shell, y);
            Scene().NeedsRedraw = true;
            break;
        case 0:
            HoverTest(shell, view, x, y);
            break;
        default:
            Scene().NeedsRedraw = true;
            break;
    }
    NoteMousePosition(shell, x, y);
}

void Picture1_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (keyCode != kShiftKey) return;
    ShellState& shell = Shell();
    shell.LightMode = true;
    if (shell.LightMarker == 0) shell.LightMarker = BuildLightMarker();
}

void Picture1_KeyUp(std::int16_t keyCode, std::int16_t) {
    if (keyCode != kShiftKey) return;
    ShellState& shell = Shell();
    SceneStore& s = Scene();
    shell.LightMode = false;
    if (shell.LightMarker != 0) {
        const Index marker = shell.LightMarker;
        DeleteMesh(marker);
        NoteMeshDeleted(marker);
    }
    s.NeedsRedraw = true;
}

}  // namespace orrin
