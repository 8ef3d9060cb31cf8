#include "shell/model_opening.hpp"

#include <fstream>

#include "files/import_3ds.hpp"
#include "files/native_model.hpp"
#include "platform/ui.hpp"
#include "scene/engine_error.hpp"
#include "scene/scene.hpp"
#include "shell/commands.hpp"
#include "shell/solid_menu_commands.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr ColorRGB16 kWhite{255, 255, 255};

void ReportUnknownKind(const std::string& path) {
    CurrentUi().ShowMessage("\"" + path + "\" is not a model Orrin can open: choose a .qrn or a .3ds file.",
                            "Orrin", MessageIcon::Warning);
}

bool SceneHasAFace() {
    const SceneStore& s = Scene();
    for (int mesh = s.MeshSlots.First; mesh <= RangeLast(s.MeshSlots); ++mesh)
        if (s.Meshes[mesh].FaceCount > 0) return true;
    return false;
}

// A model that was read but brought nothing to draw would leave the view empty without a word. A native
// model that failed (mesh 0), a file that cannot be opened at all and a load that showed an engine error
// (a mesh too large to allocate) were already reported.
void ReportIfNothingToShow(const std::string& path, ModelKind kind, int engineErrorsBefore) {
    if (SceneHasAFace() || EngineErrorsShown() != engineErrorsBefore) return;
    if (kind == ModelKind::Native && Scene().CurrentMesh == 0) return;
    if (kind == ModelKind::Studio3ds && !std::ifstream(path, std::ios::binary).is_open()) return;
    CurrentUi().ShowMessage("\"" + path + "\" holds no object that Orrin can show.", "Orrin",
                            MessageIcon::Warning);
}

}  // namespace

ModelKind ModelKindOf(const std::string& path) {
    std::string ext = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (ext == "qrn") return ModelKind::Native;
    if (ext == "3ds") return ModelKind::Studio3ds;
    return ModelKind::Unknown;
}

void OpenCommandLineModel(const std::string& commandLine) {
    SceneStore& s = Scene();
    const ModelKind kind = ModelKindOf(commandLine);
    const int engineErrors = EngineErrorsShown();
    switch (kind) {
        case ModelKind::Native:
            s.CurrentMesh = LoadModel(commandLine);
            break;
        case ModelKind::Studio3ds:
            s.CurrentMesh = 0;
            Import3ds(commandLine);
            SetAllMeshesColor(kWhite, 0.5f);
            break;
        case ModelKind::Unknown:
            ReportUnknownKind(commandLine);
            break;
    }
    if (kind != ModelKind::Unknown) ReportIfNothingToShow(commandLine, kind, engineErrors);
    CenterMesh(s.CurrentMesh);
    s.NeedsRedraw = true;
}

void OpenModelFile() {
    const std::optional<std::string> path = CurrentUi().OpenFileDialog(kOpenFilter);
    if (path) OpenModelPath(*path);
}

void OpenModelPath(const std::string& path) {
    SceneStore& s = Scene();
    const ModelKind kind = ModelKindOf(path);
    // A file of another kind is refused before anything is thrown away.
    if (kind == ModelKind::Unknown) return ReportUnknownKind(path);
    ClearAllMeshes();
    const int engineErrors = EngineErrorsShown();
    if (kind == ModelKind::Native) {
        s.CurrentMesh = LoadModel(path);
    } else {
        Import3ds(path);
        SetAllMeshesColor(kWhite, 0.5f);
        // The first imported mesh becomes current; an import that brought none leaves no current mesh.
        s.CurrentMesh = s.MeshSlots.Count > 0 ? s.MeshSlots.First : 0;
    }
    ReportIfNothingToShow(path, kind, engineErrors);
    s.NeedsRedraw = true;
}

}  // namespace orrin
