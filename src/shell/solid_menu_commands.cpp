#include "shell/solid_menu_commands.hpp"

#include "platform/random.hpp"
#include "scene/scene.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr char kSolidItems[] = "mnuBasicOption";
constexpr char kStyleItems[] = "mnuDrawStyleOption";

}  // namespace

void ClearAllMeshes() {
    SceneStore& s = Scene();
    ClearSceneExcept(0, s.CurrentCamera, s.CurrentLight);
    s.CurrentMesh = 0;
    // The marker went with the meshes. The next frame builds it again if Shift is still held, after
    // whatever the command puts into the scene, as a repeated key-down would.
    ShellState& shell = Shell();
    if (shell.LightMarker != 0) shell.LightMarkerCleared = true;
    shell.LightMarker = 0;
}

void NoteMeshDeleted(Index deleted) {
    if (deleted == 0) return;
    for (Index* name : {&Scene().CurrentMesh, &Shell().LightMarker}) {
        if (*name == deleted)
            *name = 0;
        else if (*name > deleted)
            --*name;
    }
}

Index ReplaceSceneWithSolid(int menuIndex, std::optional<ColorRGB16> color) {
    return ReplaceSceneWithBuiltSolid([menuIndex] { return BuildMenuSolid(menuIndex); }, color);
}

Index ReplaceSceneWithBuiltSolid(const std::function<Index()>& build, std::optional<ColorRGB16> color) {
    SceneStore& s = Scene();
    ReseedRandomFromClock();
    ClearAllMeshes();
    s.CurrentMesh = build();
    CenterMesh(s.CurrentMesh);
    SetMeshColor(s.CurrentMesh, color ? *color : RandomColor(), 0.5f);
    return s.CurrentMesh;
}

void mnuBasicOption_Click(Index index) {
    MenuModel& menus = Form1().Menus;
    for (const SolidMenuEntry& entry : SolidMenuEntries())
        menus.SetChecked(kSolidItems, entry.Index, entry.Index == index);
    ReplaceSceneWithSolid(index);
    Scene().NeedsRedraw = true;
}

void mnuDrawStyleOption_Click(Index index) {
    SceneStore& s = Scene();
    MenuModel& menus = Form1().Menus;
    CameraRecord& camera = s.Cameras[s.CurrentCamera];
    menus.SetChecked(kStyleItems, camera.DrawStyle, false);
    menus.SetChecked(kStyleItems, index, true);
    camera.DrawStyle = index;
    s.NeedsRedraw = true;
}

}  // namespace orrin
