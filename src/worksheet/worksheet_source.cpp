#include "worksheet/worksheet_source.hpp"

#include <fstream>

#include "files/import_3ds.hpp"
#include "files/native_model.hpp"
#include "math/color.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {

using namespace quarn;

namespace {

// The mesh's colour in the 3D view: a light blue that shows the faces' shading well.
constexpr std::int32_t kSolidColor = 120 + 170 * 256 + 230 * 65536;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string FileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void ClearMeshes() {
    SceneStore& s = Scene();
    ClearSceneExcept(0, s.CurrentCamera, s.CurrentLight);
    s.CurrentMesh = 0;
}

Index FirstMesh() {
    const SceneStore& s = Scene();
    return s.MeshSlots.Count > 0 ? s.MeshSlots.First : 0;
}

ShownSolid Finish(Index mesh, ShownSolid placed) {
    SceneStore& s = Scene();
    s.CurrentMesh = mesh;
    if (mesh == 0) {
        placed.Built = false;
        if (placed.Error.empty()) placed.Error = "could not build " + placed.Title;
        return placed;
    }
    CenterMesh(mesh);
    SetAllMeshesColor(ColorFromRGB(kSolidColor), 0.5f);
    s.NeedsRedraw = true;
    placed.Built = true;
    return placed;
}

ShownSolid PlaceModel(const std::string& path) {
    ShownSolid placed;
    placed.Title = FileName(path);
    const std::string lower = Lower(path);
    const bool native = EndsWith(lower, ".qrn");
    if (!native && !EndsWith(lower, ".3ds")) {
        placed.Error = "'" + placed.Title + "' is neither a .qrn nor a .3ds model file";
        return placed;
    }
    if (!std::ifstream(path, std::ios::binary).good()) {
        placed.Error = "cannot read '" + path + "'";
        return placed;
    }
    ClearMeshes();
    const Index mesh = native ? LoadModel(path) : (Import3ds(path), FirstMesh());
    if (mesh == 0) placed.Error = "the model '" + placed.Title + "' holds no solid that could be read";
    return Finish(mesh, placed);
}

}  // namespace

SchoolSolid StartingSolid(SchoolFamily family) {
    SchoolSolid s;
    s.Family = family;
    switch (family) {
        case SchoolFamily::Cuboid:
            s.Length = 60, s.Width = 40, s.Height = 30;
            break;
        case SchoolFamily::Prism:
            s.Sides = 6, s.Radius = 30, s.Height = 60;
            break;
        case SchoolFamily::Pyramid:
            s.Sides = 4, s.Radius = 40, s.Height = 60;
            break;
        case SchoolFamily::Frustum:
            s.Sides = 4, s.BottomRadius = 40, s.TopRadius = 20, s.Height = 30;
            break;
        case SchoolFamily::Cylinder:
        case SchoolFamily::Cone:
            s.Radius = 30, s.Height = 60;
            break;
        case SchoolFamily::ConeFrustum:
            s.BottomRadius = 40, s.TopRadius = 20, s.Height = 40;
            break;
        case SchoolFamily::Sphere:
        case SchoolFamily::Hemisphere:
            s.Radius = 40;
            break;
    }
    for (const FamilyParameter& p : FamilyInfoOf(family).Parameters)
        if (p.Default != nullptr && s.*p.Field == 0) s.*p.Field = p.Default(s);
    return s;
}

std::optional<std::string> WithParameter(SchoolSolid& solid, const std::string& key, double value) {
    for (const FamilyParameter& p : FamilyInfoOf(solid.Family).Parameters) {
        if (p.Key != key) continue;
        SchoolSolid changed = solid;
        changed.*p.Field = value;
        if (auto why = CheckSchoolSolid(changed)) return why;
        solid = changed;
        return std::nullopt;
    }
    return "the " + std::string(FamilyInfoOf(solid.Family).EnglishCaption) + " has no parameter " + key;
}

std::vector<SolidPreset> SolidPresets() {
    std::vector<SolidPreset> presets;
    for (const SolidMenuEntry& entry : SolidMenuEntries())
        if (!entry.Caption.empty())
            presets.push_back({entry.Index, std::string(entry.Caption), std::string(entry.EnglishName)});
    return presets;
}

ShownSolid PlaceSource(const SolidSource& source) {
    ShownSolid placed;
    switch (source.Kind) {
        case SourceKind::Family: {
            placed.Title = DescribeSchoolSolid(source.Family);
            if (auto why = CheckSchoolSolid(source.Family)) {
                placed.Error = *why;
                return placed;
            }
            placed.Exact = IdealSolidOf(source.Family);
            placed.Polyhedral = FamilyInfoOf(source.Family.Family).Polyhedral;
            ClearMeshes();
            return Finish(BuildSchoolSolid(source.Family), placed);
        }
        case SourceKind::Preset: {
            const SolidMenuEntry* entry = FindSolidMenuEntry(source.MenuIndex);
            if (entry == nullptr) {
                placed.Error = "no solid has menu index " + std::to_string(source.MenuIndex);
                return placed;
            }
            placed.Title = entry->Caption.empty() ? std::string(entry->EnglishName) : std::string(entry->Caption);
            placed.Exact = entry->Exact;
            ClearMeshes();
            return Finish(BuildMenuSolid(entry->Index), placed);
        }
        case SourceKind::Model:
            return PlaceModel(source.ModelPath);
    }
    return placed;
}

}  // namespace orrin
