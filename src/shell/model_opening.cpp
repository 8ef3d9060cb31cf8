#include "shell/model_opening.hpp"

#include <optional>

#include "files/import_3ds.hpp"
#include "files/native_model.hpp"
#include "platform/ui.hpp"
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

// Passes everything on to the Ui installed before it and counts the messages, so that a model that
// brings nothing to draw gets the program's own word only when its reader has said nothing.
class MessageCount : public Ui {
  public:
    MessageCount() : inner_(CurrentUi()) { InstallUi(this); }
    ~MessageCount() override { InstallUi(&inner_); }
    MessageCount(const MessageCount&) = delete;
    MessageCount& operator=(const MessageCount&) = delete;

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        ++count;
        inner_.ShowMessage(text, caption, icon);
    }
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        return inner_.InputBox(prompt, title, defaultText);
    }
    std::optional<std::string> OpenFileDialog(const std::string& filter) override {
        return inner_.OpenFileDialog(filter);
    }
    std::optional<std::string> SaveFileDialog(const std::string& filter) override {
        return inner_.SaveFileDialog(filter);
    }
    bool ShellOpen(const std::string& document) override { return inner_.ShellOpen(document); }

    int count = 0;

  private:
    Ui& inner_;
};

// Reads the model with the reader of its kind (the caller has told the kind apart).
void ReadModel(const std::string& path, ModelKind kind) {
    SceneStore& s = Scene();
    MessageCount messages;
    if (kind == ModelKind::Native) {
        s.CurrentMesh = LoadModel(path);
    } else {
        Import3ds(path);
        SetAllMeshesColor(kWhite, 0.5f);
    }
    if (messages.count > 0 || SceneHasAFace()) return;
    // Read without a word, yet nothing to draw: the view would stay empty without a reason.
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
    if (kind == ModelKind::Unknown) {
        ReportUnknownKind(commandLine);
    } else {
        if (kind == ModelKind::Studio3ds) s.CurrentMesh = 0;
        ReadModel(commandLine, kind);
    }
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
    ReadModel(path, kind);
    // The first imported mesh becomes current; an import that brought none leaves no current mesh.
    if (kind == ModelKind::Studio3ds) s.CurrentMesh = s.MeshSlots.Count > 0 ? s.MeshSlots.First : 0;
    s.NeedsRedraw = true;
}

}  // namespace orrin
