#include "scene_sources.hpp"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>

#include "files/import_3ds.hpp"
#include "files/native_model.hpp"
#include "platform/random.hpp"
#include "scene/scene.hpp"
#include "solids/demo_solids.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

using namespace quarn;

constexpr ColorRGB16 kWhite{255, 255, 255};

std::string LowerExtension(const std::string& path) {
    std::string ext = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

bool LooksLikeModelPath(const std::string& source) {
    const std::string ext = LowerExtension(source);
    return ext == "qrn" || ext == "3ds" || source.find('/') != std::string::npos || std::ifstream(source).good();
}

const SolidMenuEntry* FindMenuSolid(const std::string& source) {
    int index = 0;
    const char* end = source.data() + source.size();
    const auto [rest, error] = std::from_chars(source.data(), end, index);
    if (error == std::errc() && rest == end) {
        const SolidMenuEntry* entry = FindSolidMenuEntry(index);
        if (!entry) throw SourceError("no solid has menu index " + source + "; orrin-render --help lists them");
        return entry;
    }
    return FindSolidMenuEntry(source);
}

ColorRGB16 SolidColor(const RenderOptions& options) {
    return options.color ? ColorFromRGB(*options.color) : RandomColor();
}

// What a choice from the solid menu does.
void BuildSolid(const SolidMenuEntry& entry, const RenderOptions& options) {
    SceneStore& s = Scene();
    ReseedRandomFromClock();
    ClearSceneExcept(0, s.CurrentCamera, s.CurrentLight);
    s.CurrentMesh = BuildMenuSolid(entry.Index);
    if (s.CurrentMesh == 0) throw SourceError("could not build the " + std::string(entry.EnglishName));
    CenterMesh(s.CurrentMesh);
    SetMeshColor(s.CurrentMesh, SolidColor(options), 0.5f);
}

void BuildDemonstration(DemoSolid demo, const RenderOptions& options) {
    SceneStore& s = Scene();
    ClearSceneExcept(0, s.CurrentCamera, s.CurrentLight);
    s.CurrentMesh = BuildDemoSolid(demo);
    if (s.CurrentMesh == 0) throw SourceError("could not build " + options.source);
    if (options.color) SetMeshColor(s.CurrentMesh, ColorFromRGB(*options.color), 0.5f);
}

// What the window does with a model named on its command line.
void OpenModel(const RenderOptions& options) {
    const std::string& path = options.source;
    if (!std::ifstream(path, std::ios::binary).good())
        throw SourceError("cannot read '" + path + "': " + std::strerror(errno));
    SceneStore& s = Scene();
    const std::string ext = LowerExtension(path);
    if (ext == "qrn") {
        s.CurrentMesh = LoadModel(path);
        if (s.CurrentMesh == 0) throw SourceError("could not load the model '" + path + "'");
        if (options.color) SetMeshColor(s.CurrentMesh, ColorFromRGB(*options.color), 0.5f);
    } else if (ext == "3ds") {
        s.CurrentMesh = 0;
        Import3ds(path);
        SetAllMeshesColor(options.color ? ColorFromRGB(*options.color) : kWhite, 0.5f);
    } else {
        throw SourceError("'" + path + "' is neither a .qrn nor a .3ds model file");
    }
    CenterMesh(s.CurrentMesh);
}

}  // namespace

void LoadSource(const RenderOptions& options) {
    if (const SolidMenuEntry* entry = FindMenuSolid(options.source)) return BuildSolid(*entry, options);
    if (const auto demo = FindDemoSolid(options.source)) return BuildDemonstration(*demo, options);
    if (LooksLikeModelPath(options.source)) return OpenModel(options);
    throw SourceError("unknown solid '" + options.source + "'; orrin-render --help lists the solids");
}

}  // namespace orrin
