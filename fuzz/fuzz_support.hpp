#pragma once
// What both reader fuzz targets share: a store prepared once, a Ui that swallows messages, and a store
// that is emptied of objects before every input so that each input runs alone.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/ui.hpp"
#include "scene/scene.hpp"
#include "scene/store_consistency.hpp"

namespace quarn::fuzzing {

// Prints the fault and aborts when the store is inconsistent.
inline void AbortIfStoreInconsistent() {
    const std::string fault = FindStoreInconsistency();
    if (fault.empty()) return;
    std::fprintf(stderr, "Inconsistent scene store: %s\n", fault.c_str());
    std::abort();
}

class SilentUi : public Ui {
  public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const std::string&) override { return std::nullopt; }
    bool ShellOpen(const std::string&) override { return false; }
};

// Deletes every object but mesh 1, a small mesh named "Box01" that is written afresh for every input, so
// that inputs also meet a mesh that was there before them (runs to place after, a name to link to).
// Writing it directly keeps the slot searches of mesh creation out of every run.
inline void PrepareStore() {
    static SilentUi ui;
    static const bool initialised = [] {
        InitEngine();
        InstallUi(&ui);
        return CreateMesh(3, 1) == 1;
    }();
    if (!initialised) std::abort();
    DeleteMeshesExcept(1);
    DeleteCamerasExcept(0);
    DeleteLightsExcept(0);
    SceneStore& s = Scene();
    if (s.MeshSlots.Count == 0) s.MeshSlots.Count = 1;
    MeshRecord& box = s.Meshes[1];
    box = MeshRecord{};
    box.FirstVertex = 1;
    box.VertexCount = 3;
    box.FirstFace = 1;
    box.FaceCount = 1;
    box.Scale = OnesVector();
    box.MatrixDirty = true;
    box.Visible = true;
    box.Name = "Box01";
    s.Vertices[1] = {0, 0, 0};
    s.Vertices[2] = {1, 0, 0};
    s.Vertices[3] = {0, 1, 0};
    s.Faces[1] = {1, 2, 3, {}, 0.5f};
}

}  // namespace quarn::fuzzing
