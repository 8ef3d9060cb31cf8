#include "worksheet/worksheet_source.hpp"

#include <algorithm>
#include <fstream>

#include "files/import_3ds.hpp"
#include "files/native_model.hpp"
#include "math/color.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"
#include "worksheet/solid_facts.hpp"
#include "worksheet/worksheet_language.hpp"

namespace orrin {

using namespace quarn;

namespace {

// "hexagonal-prism" as a title reads: "hexagonal prism".
std::string Spaced(std::string_view englishName) {
    std::string name(englishName);
    std::replace(name.begin(), name.end(), '-', ' ');
    return name;
}

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

ShownSolid Finish(Index mesh, ShownSolid placed, CaptionLanguage language) {
    SceneStore& s = Scene();
    s.CurrentMesh = mesh;
    if (mesh == 0) {
        placed.Built = false;
        if (placed.Error.empty()) placed.Error = Say(language, "无法生成 {}", "could not build {}", {placed.Title});
        return placed;
    }
    CenterMesh(mesh);
    SetAllMeshesColor(ColorFromRGB(kSolidColor), 0.5f);
    s.NeedsRedraw = true;
    placed.Built = true;
    return placed;
}

ShownSolid PlaceModel(const std::string& path, CaptionLanguage language) {
    ShownSolid placed;
    placed.Title = FileName(path);
    const std::string lower = Lower(path);
    const bool native = EndsWith(lower, ".qrn");
    if (!native && !EndsWith(lower, ".3ds")) {
        placed.Error = Say(language, "“{}”既不是 .qrn 也不是 .3ds 模型文件", "'{}' is neither a .qrn nor a .3ds model file",
                           {placed.Title});
        return placed;
    }
    if (!std::ifstream(path, std::ios::binary).good()) {
        placed.Error = Say(language, "无法读取“{}”", "cannot read '{}'", {path});
        return placed;
    }
    ClearMeshes();
    const Index mesh = native ? LoadModel(path) : (Import3ds(path), FirstMesh());
    if (mesh == 0)
        placed.Error = Say(language, "模型“{}”中没有可读的立体", "the model '{}' holds no solid that could be read",
                           {placed.Title});
    return Finish(mesh, placed, language);
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

std::optional<std::string> WithParameter(SchoolSolid& solid, const std::string& key, double value,
                                         CaptionLanguage language) {
    const SchoolFamilyInfo& family = FamilyInfoOf(solid.Family);
    for (const FamilyParameter& p : family.Parameters) {
        if (p.Key != key) continue;
        SchoolSolid changed = solid;
        changed.*p.Field = value;
        const auto why = CheckSchoolSolid(changed);
        if (!why) {
            solid = changed;
            return std::nullopt;
        }
        // The solid was valid before, so the value changed is the one refused: by its own range, or
        // (a frustum's radii) by the rule between them.
        const std::string shown = FormatNumber(value);
        const std::string chinese =
            ParameterInRange(p, value)
                ? "r2 须小于 r1（" + FormatNumber(changed.BottomRadius) + "），不能是 " + FormatNumber(changed.TopRadius)
                : Say(CaptionLanguage::Chinese,
                      p.Whole ? "{} {} 须是 {} 到 {} 之间的整数，不能是 {}" : "{} {} 须大于 {} 且不超过 {}，不能是 {}", "",
                      {p.Caption, key, FormatNumber(p.Min), FormatNumber(p.Max), shown});
        return Say(language, chinese, *why);
    }
    return Say(language, "{}没有参数 {}", "the {} has no parameter {}",
               {language == CaptionLanguage::English ? family.EnglishCaption : family.Caption, key});
}

std::vector<SolidPreset> SolidPresets() {
    std::vector<SolidPreset> presets;
    for (const SolidMenuEntry& entry : SolidMenuEntries())
        if (!entry.Caption.empty())
            presets.push_back({entry.Index, std::string(entry.Caption), Spaced(entry.EnglishName)});
    return presets;
}

ShownSolid PlaceSource(const SolidSource& source, CaptionLanguage language) {
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
            return Finish(BuildSchoolSolid(source.Family), placed, language);
        }
        case SourceKind::Preset: {
            const SolidMenuEntry* entry = FindSolidMenuEntry(source.MenuIndex);
            if (entry == nullptr) {
                placed.Error = Say(language, "菜单中没有序号为 {} 的立体", "no solid has menu index {}",
                                   {std::to_string(source.MenuIndex)});
                return placed;
            }
            placed.Title = entry->Caption.empty() || language == CaptionLanguage::English ? Spaced(entry->EnglishName)
                                                                                           : std::string(entry->Caption);
            placed.Exact = entry->Exact;
            ClearMeshes();
            return Finish(BuildMenuSolid(entry->Index), placed, language);
        }
        case SourceKind::Model:
            return PlaceModel(source.ModelPath, language);
    }
    return placed;
}

}  // namespace orrin
