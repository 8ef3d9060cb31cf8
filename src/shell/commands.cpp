#include "shell/commands.hpp"

#include <filesystem>
#include <sstream>

#include "files/latin1_text.hpp"
#include "files/native_model.hpp"
#include "math/vector3d.hpp"
#include "platform/random.hpp"
#include "platform/ui.hpp"
#include "scene/scene.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/annotation_marks.hpp"
#include "solids/demo_solids.hpp"
#include "solids/subdivision.hpp"
#include "solids/surface_effects.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr ColorRGB16 kWhite{255, 255, 255};
constexpr ColorRGB16 kRed{255, 0, 0};
constexpr ColorRGB16 kBlue{0, 0, 255};
constexpr float kScatterRadius = 40;

void AskForFrame() {
    Scene().NeedsRedraw = true;
}

bool HasCurrentMesh() {
    return MeshExists(Scene().CurrentMesh);
}

void ShowNotice(const std::string& text, MessageIcon icon) {
    CurrentUi().ShowMessage(text, "Orrin", icon);
}

bool ToggleItem(const char* name) {
    MenuItem* item = Form1().Menus.Find(name);
    item->Checked = !item->Checked;
    return item->Checked;
}

Vector3D ScatterPoint() {
    return VectorScale(RandomVector(), kScatterRadius);
}

// Builds count marks, each becoming the current mesh in turn with random face colours.
template <typename BuildMark>
void ScatterMarks(int count, BuildMark buildMark) {
    SceneStore& s = Scene();
    for (int i = 0; i < count; ++i) {
        s.CurrentMesh = buildMark();
        RandomizeFaceColors(s.CurrentMesh);
    }
}

}  // namespace

std::string FormatVersion(const std::string& dottedVersion) {
    std::istringstream parts(dottedVersion);
    std::string part;
    std::string formatted;
    while (std::getline(parts, part, '.')) {
        const std::size_t digits = part.find_first_not_of('0');
        if (!formatted.empty()) formatted += '.';
        formatted += digits == std::string::npos ? "0" : part.substr(digits);
    }
    return formatted;
}

std::string AboutText() {
    return "Orrin " + FormatVersion(ORRIN_VERSION) +
           "\n立体图形教学程序 — geometric solids in 3D for the classroom.";
}

void ShowAbout() {
    CurrentUi().ShowMessage(AboutText(), "About Orrin", MessageIcon::Information);
    AskForFrame();
}

void OpenHelp() {
    const std::string& page = Shell().HelpPage;
    std::error_code error;
    if (page.empty() || !std::filesystem::is_regular_file(page, error))
        return ShowNotice("The help page was not found" + (page.empty() ? "." : ": " + page),
                          MessageIcon::Error);
    if (!CurrentUi().ShellOpen(page))
        ShowNotice("The help page could not be opened: " + page, MessageIcon::Error);
}

void SaveModelFile() {
    if (!HasCurrentMesh())
        return ShowNotice("There is no model to save: choose a solid first.", MessageIcon::Information);
    const std::optional<std::string> path = CurrentUi().SaveFileDialog(kSaveFilter);
    if (path) SaveModel(Scene().CurrentMesh, *path);
}

void RenameMesh() {
    if (!HasCurrentMesh()) return;
    MeshRecord& mesh = Scene().Meshes[Scene().CurrentMesh];
    const std::optional<std::string> name = CurrentUi().InputBox("Enter new name:", "Rename", mesh.Name);
    // Refused at once rather than at the next save: a model file holds one byte per character.
    if (name && !Utf8ToLatin1(*name))
        ShowNotice("A model file can hold only Western European letters (Latin-1), so \"" + *name +
                       "\" cannot be saved; the name stays \"" + mesh.Name + "\".",
                   MessageIcon::Warning);
    else if (name)
        mesh.Name = *name;
    AskForFrame();
}

void ClearAll() {
    ClearAllMeshes();
    AskForFrame();
}

void ExitProgram() {
    Form1().EndRequested = true;
}

void RequestRedraw() {
    AskForFrame();
}

void ToggleLight() {
    SceneStore& s = Scene();
    s.Lights[s.CurrentLight].Enabled = ToggleItem("mnuToggleLight");
    AskForFrame();
}

void ToggleOrthographic() {
    SceneStore& s = Scene();
    s.Cameras[s.CurrentCamera].Orthographic = ToggleItem("mnuToggleOrtho");
    AskForFrame();
}

void PaintCommand(Index index) {
    const Index mesh = Scene().CurrentMesh;
    switch (index) {
        case 0:
            SetMeshColor(mesh, kWhite, 0.5f);
            break;
        case 1:
            RandomizeFaceColors(mesh);
            break;
        case 2:
            ApplyAxisGradient(mesh, 2, kRed, kBlue, 0.5f);
            break;
        default:
            break;
    }
    AskForFrame();
}

void SubdivideCommand(Index index) {
    SceneStore& s = Scene();
    const Index before = s.CurrentMesh;
    if (index == 0 || index == 1) {
        const Index refined = index == 0 ? SubdivideCentroids(before, 1) : SubdivideMidpoints(before, 1);
        // The refinement re-created the mesh at the end and deleted it from its old slot.
        NoteMeshDeleted(before);
        s.CurrentMesh = refined;
    }
    SetMeshColor(s.CurrentMesh, kWhite, 0.5f);
    AskForFrame();
}

void RippleSurface() {
    ClearAllMeshes();
    Scene().CurrentMesh = BuildDemoSolid(DemoSolid::RippleSurface);
    AskForFrame();
}

void ChartDemo(Index index) {
    static constexpr DemoSolid kCharts[] = {DemoSolid::BarChart, DemoSolid::SurfaceChart,
                                            DemoSolid::PieChart};
    ReseedRandomFromClock();
    ClearAllMeshes();
    if (index >= 0 && index < 3) Scene().CurrentMesh = BuildDemoSolid(kCharts[index]);
    AskForFrame();
}

void ScatterDemo(Index index) {
    ReseedRandomFromClock();
    ClearAllMeshes();
    switch (index) {
        case 0:
            ScatterMarks(40, [] { return CreatePointMarker(ScatterPoint()); });
            break;
        case 1:
            ScatterMarks(10, [] {
                const Vector3D start = ScatterPoint();
                return CreateLineSegment(start, ScatterPoint());
            });
            break;
        case 2:
            ScatterMarks(20, [] { return CreateTextLabel("3D", ScatterPoint()); });
            break;
        case 3:
            ScatterMarks(10, [] {
                const Vector3D p0 = ScatterPoint();
                const Vector3D p1 = ScatterPoint();
                const Vector3D p2 = ScatterPoint();
                return CreateBezierCurve(p0, p1, p2, ScatterPoint());
            });
            break;
        default:
            break;
    }
    AskForFrame();
}

}  // namespace orrin
