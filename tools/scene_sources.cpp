#include "scene_sources.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>

#include "scene/scene.hpp"
#include "shell/commands.hpp"
#include "shell/model_opening.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/demo_solids.hpp"
#include "solids/school_solids.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

using namespace quarn;

bool LooksLikeModelPath(const std::string& source) {
    return ModelKindOf(source) != ModelKind::Unknown || source.find('/') != std::string::npos ||
           std::ifstream(source).good();
}

const SolidMenuEntry* FindMenuSolid(const std::string& source) {
    int index = 0;
    const char* end = source.data() + source.size();
    const auto [rest, error] = std::from_chars(source.data(), end, index);
    if (error == std::errc() && rest == end) {
        const SolidMenuEntry* entry = FindSolidMenuEntry(index);
        if (!entry)
            throw SourceError("no solid has menu index " + source + "; orrin-render --help lists them");
        return entry;
    }
    return FindSolidMenuEntry(source);
}

std::optional<ColorRGB16> FixedColor(const RenderOptions& options) {
    if (!options.color) return std::nullopt;
    return ColorFromRGB(*options.color);
}

void BuildSolid(const SolidMenuEntry& entry, const RenderOptions& options) {
    if (ReplaceSceneWithSolid(entry.Index, FixedColor(options)) == 0)
        throw SourceError("could not build the " + std::string(entry.EnglishName));
}

// The demonstrations the window's commands build.
void BuildDemonstration(DemoSolid demo, const RenderOptions& options) {
    switch (demo) {
        case DemoSolid::RippleSurface:
            RippleSurface();
            break;
        case DemoSolid::BarChart:
            ChartDemo(0);
            break;
        case DemoSolid::SurfaceChart:
            ChartDemo(1);
            break;
        case DemoSolid::PieChart:
            ChartDemo(2);
            break;
    }
    const SceneStore& s = Scene();
    if (s.CurrentMesh == 0) throw SourceError("could not build " + options.source);
    if (const auto color = FixedColor(options)) SetMeshColor(s.CurrentMesh, *color, 0.5f);
}

// What the window does with a model named on its command line, refusing what it would not open.
void OpenModel(const RenderOptions& options) {
    const std::string& path = options.source;
    if (!std::ifstream(path, std::ios::binary).good())
        throw SourceError("cannot read '" + path + "': " + std::strerror(errno));
    const ModelKind kind = ModelKindOf(path);
    if (kind == ModelKind::Unknown)
        throw SourceError("'" + path + "' is neither a .qrn nor a .3ds model file");
    OpenCommandLineModel(path);
    SceneStore& s = Scene();
    if (kind == ModelKind::Native && s.CurrentMesh == 0)
        throw SourceError("could not load the model '" + path + "'");
    if (const auto color = FixedColor(options)) {
        if (kind == ModelKind::Native)
            SetMeshColor(s.CurrentMesh, *color, 0.5f);
        else
            SetAllMeshesColor(*color, 0.5f);
    }
}

}  // namespace

std::optional<SchoolSolid> ParseFamilySource(const std::string& source) {
    const std::string name = source.substr(0, source.find(':'));
    if (!FindSchoolFamily(name)) return std::nullopt;
    if (name == source && (FindSolidMenuEntry(name) || FindDemoSolid(name))) return std::nullopt;
    return ParseSchoolSolid(source);
}

LoadedSolid LoadSource(const RenderOptions& options) {
    if (options.family) {
        const SchoolSolid& solid = *options.family;
        if (ReplaceSceneWithBuiltSolid([&] { return BuildSchoolSolid(solid); }, FixedColor(options)) == 0)
            throw SourceError("could not build " + DescribeSchoolSolid(solid));
        return {std::nullopt, solid, IdealSolidOf(solid), FamilyInfoOf(solid.Family).Polyhedral};
    }
    if (const SolidMenuEntry* entry = FindMenuSolid(options.source)) {
        BuildSolid(*entry, options);
        return {entry->Index, std::nullopt, entry->Exact, false};
    }
    if (const auto demo = FindDemoSolid(options.source)) {
        BuildDemonstration(*demo, options);
        return {};
    }
    if (LooksLikeModelPath(options.source)) {
        OpenModel(options);
        return {};
    }
    throw SourceError("unknown solid '" + options.source + "'; orrin-render --help lists the solids");
}

std::string FamilyUsage() {
    constexpr std::size_t kColumn = 30, kWidth = 100;
    std::string text =
        "\nSolids of any size: NAME:KEY=VALUE,... with sizes above 0 and at most 10000; keys in [ ] may be\n"
        "left out (the facets of a round solid default to the menu's):\n";
    for (const SchoolFamilyInfo& family : SchoolFamilies()) {
        std::string keys, meanings;
        for (const FamilyParameter& p : family.Parameters) {
            const std::string key = (keys.empty() ? "" : ",") + std::string(p.Key);
            keys += p.Default ? "[" + key + "]" : key;
            std::string meaning = std::string(p.Key) + " " + std::string(p.Meaning);
            if (p.Whole) meaning += " (" + std::to_string(int(p.Min)) + ".." + std::to_string(int(p.Max)) + ")";
            meanings += (meanings.empty() ? "" : ", ") + meaning;
        }
        std::string line = "  " + std::string(family.Name) + ":" + keys;
        line.resize(std::max(line.size() + 1, kColumn), ' ');
        // Wrapped after a comma, continuing under the first meaning.
        for (std::size_t start = 0; start < meanings.size();) {
            std::size_t end = meanings.size();
            if (line.size() + end - start > kWidth) end = meanings.rfind(", ", start + kWidth - line.size()) + 1;
            text += line + meanings.substr(start, end - start) + "\n";
            start = meanings.find_first_not_of(' ', end);
            line = std::string(kColumn, ' ');
        }
    }
    return text;
}

}  // namespace orrin
