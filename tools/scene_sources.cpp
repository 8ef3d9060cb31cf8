#include "scene_sources.hpp"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>

#include "scene/scene.hpp"
#include "shell/commands.hpp"
#include "shell/model_opening.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/demo_solids.hpp"
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

std::optional<int> LoadSource(const RenderOptions& options) {
    if (const SolidMenuEntry* entry = FindMenuSolid(options.source)) {
        BuildSolid(*entry, options);
        return entry->Index;
    }
    if (const auto demo = FindDemoSolid(options.source)) {
        BuildDemonstration(*demo, options);
        return std::nullopt;
    }
    if (LooksLikeModelPath(options.source)) {
        OpenModel(options);
        return std::nullopt;
    }
    throw SourceError("unknown solid '" + options.source + "'; orrin-render --help lists the solids");
}

}  // namespace orrin
