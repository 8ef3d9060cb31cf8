#include "render_options.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "scene_sources.hpp"

namespace orrin {
namespace {

template <class Number>
Number ParseNumber(const std::string& option, const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) throw UsageError(option + " expects a number, not '" + text + "'");
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value) || std::fabs(value) > 1e9)
            throw UsageError(option + " must be a finite number of reasonable size, not '" + text + "'");
    }
    return value;
}

void ParseSize(const std::string& text, RenderOptions& options) {
    const auto x = text.find('x');
    if (x == std::string::npos) throw UsageError("--size expects WIDTHxHEIGHT, such as 488x369, not '" + text + "'");
    options.width = ParseNumber<int>("--size", text.substr(0, x));
    options.height = ParseNumber<int>("--size", text.substr(x + 1));
    if (options.width < 1 || options.height < 1 || options.width > 8192 || options.height > 8192)
        throw UsageError("--size must be between 1x1 and 8192x8192, not '" + text + "'");
}

std::int32_t ParseColor(const std::string& text) {
    std::int32_t packed = 0;
    std::string::size_type start = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const auto comma = text.find(',', start);
        if ((channel < 2) == (comma == std::string::npos))
            throw UsageError("--color expects R,G,B with each value 0..255, not '" + text + "'");
        const std::string part = text.substr(start, channel < 2 ? comma - start : std::string::npos);
        const int value = ParseNumber<int>("--color", part);
        if (value < 0 || value > 255) throw UsageError("--color values must lie in 0..255, not '" + text + "'");
        packed |= value << (8 * channel);
        start = comma + 1;
    }
    return packed;
}

}  // namespace

RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
    RenderOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw UsageError(arg + " needs a value");
            return arguments[++i];
        };
        if (arg == "--help" || arg == "-h") options.help = true;
        else if (arg == "-o" || arg == "--output") options.outputPng = value();
        else if (arg == "--size") ParseSize(value(), options);
        else if (arg == "--yaw") options.yaw = ParseNumber<float>(arg, value());
        else if (arg == "--pitch") options.pitch = ParseNumber<float>(arg, value());
        else if (arg == "--distance") options.distance = ParseNumber<float>(arg, value());
        else if (arg == "--style") {
            options.style = ParseNumber<int>(arg, value());
            if (options.style < 0 || options.style > 5) throw UsageError("--style must be 0..5");
        } else if (arg == "--color") options.color = ParseColor(value());
        else if (arg == "--seed") options.seed = ParseNumber<std::uint64_t>(arg, value());
        else if (arg == "--ortho") options.orthographic = true;
        else if (arg == "--background") options.background = true;
        else if (arg == "--info") options.info = true;
        else if (arg == "--frame") options.frame = true;
        else if (arg == "--geometry") options.geometry = true;
        else if (ParseTextbookOption(arg, value, options.textbook)) continue;
        else if (ParseSectionOption(arg, value, options.section)) continue;
        else if (ParseNetOption(arg, value, options.net)) continue;
        else if (arg == "--save") {
            options.source = value();
            options.saveQrn = value();
        } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9'))
            throw UsageError("unknown option '" + arg + "'");
        else
            positional.push_back(arg);
    }
    if (options.help) return options;
    if (!options.saveQrn.empty()) {
        if (!positional.empty()) throw UsageError("--save takes the source and the output file; '" + positional[0] + "' is extra");
    } else {
        if (positional.empty()) throw UsageError("no source given: name a solid, a menu index or a model file");
        if (positional.size() > 1) throw UsageError("one source only; '" + positional[1] + "' is extra");
        options.source = positional[0];
    }
    try {
        options.family = ParseFamilySource(options.source);
    } catch (const quarn::SolidParameterError& error) {
        throw UsageError(error.what());
    }
    if (options.outputPng.empty() && options.saveQrn.empty() && !options.info)
        throw UsageError("nothing to do: give -o FILE.png, --info or --save");
    if (options.frame && !options.info) throw UsageError("--frame goes with --info");
    if (options.geometry && !options.info) throw UsageError("--geometry goes with --info");
    // --labels letters the net when there is one.
    if (options.net.enabled) options.net.labels = std::exchange(options.textbook.labels, false);
    if (options.net.enabled && options.textbook.enabled) throw UsageError("--net and --textbook draw different sheets; give one");
    CheckNetOptions(options.net, options.outputPng, options.info);
    CheckTextbookOptions(options.textbook, options.outputPng);
    CheckSectionOptions(options.section, options.info, options.textbook);
    return options;
}

std::string RenderUsage() {
    return R"(Usage:
  orrin-render SOURCE [options] -o OUT.png     draw one frame of SOURCE into a PNG file
  orrin-render SOURCE --textbook [--view V] -o OUT.svg   draw SOURCE as a textbook line drawing
  orrin-render SOURCE --net [--labels] [--tabs] -o OUT.pdf   the solid's net at true size, to print
  orrin-render SOURCE --info [--geometry] [--frame]   print the scene as JSON and each mesh's measures
  orrin-render --save SOURCE OUT.qrn           write the built solid or loaded model as a model file

SOURCE is a solid by its menu index or name, a solid of a family with its parameters, or a .qrn
or .3ds model file.
Solids: cube (0), plane (1), sphere (2), spherical-cap (3), cone (4), cylinder (5),
  cylinder-sector (6), tetrahedron (7), octahedron (8), geodesic-sphere (9), torus (10),
  triangular-prism (19), pentagonal-prism (20), hexagonal-prism (21), octagonal-prism (22),
  square-pyramid (23), pentagonal-pyramid (24), hexagonal-pyramid (25),
  and the demonstrations ripple, bar-chart, surface-chart, pie-chart.
)" + FamilyUsage() + R"(
Options:
  -o FILE          write the frame as a PNG file
  --size WxH       picture size in pixels (default 488x369)
  --yaw R          turn of the camera about the vertical axis, radians (default 0)
  --pitch R        elevation of the camera, radians (default 0)
  --distance D     distance of the camera from the centre (default 200)
  --style N        draw style: 0 wire, 1 flat with edges, 2 shaded (default), 3 shaded merge,
                   4 inverting outlines, 5 smooth
  --color R,G,B    colour of the solid, each 0..255 (default: a random colour, as the menu does;
                   models are white)
  --seed N         fix the random generator, so colours repeat from run to run
  --ortho          parallel projection instead of perspective
  --background     draw the view's background picture behind the solid (default: plain grey)
  --info           print meshes (with their measures), cameras, lights and the run's messages
                   as JSON on standard output (messages also go to standard error); after a
                   failed load the JSON still shows what the store holds, and the exit code is 1
  --geometry       with --info: also every mesh's vertices and faces (corners counted from
                   the mesh's first vertex, colour, diffuse), so the JSON holds the whole store
  --frame          with --info: also render one frame and list its draw list: each face with
                   its corner vertices, their screen positions, its depth key and the colours
                   handed to the fill (shade; vertexShades in style 5; none in styles 0 and 4)
  --help           show this text
)" + std::string(kTextbookUsage) + kSectionUsage + "\n" + std::string(kNetUsage) + R"(

Examples:
  orrin-render cone --yaw 0.6 --pitch 0.4 -o cone.png
  orrin-render torus --style 5 --color 40,120,220 --size 640x480 -o torus.png
  orrin-render model.3ds --info
  orrin-render cube --color 200,0,0 --info --geometry --frame --style 5
  orrin-render hexagonal-pyramid --textbook --view oblique --labels -o pyramid.svg
  orrin-render frustum:n=4,r1=40,r2=20,h=30 --textbook --view oblique --labels -o frustum.svg
  orrin-render cube --section through:A,C,D1 --textbook --view oblique --labels -o section.svg
  orrin-render cube --net --labels --tabs -o cube-net.pdf
  orrin-render cone --net --fold 0.5 --yaw 0.6 --pitch 0.5 -o cone-folding.png
)";
}

}  // namespace orrin
