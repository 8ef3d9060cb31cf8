#include "net_options.hpp"

#include <charconv>
#include <cmath>

#include "drawing/sheet_writer.hpp"
#include "render_options.hpp"

namespace orrin {
namespace {

double ParseReal(const std::string& option, const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || !std::isfinite(value))
        throw UsageError(option + " expects a number, not '" + text + "'");
    return value;
}

}  // namespace

bool ParseNetOption(const std::string& arg, const std::function<const std::string&()>& value, NetOptions& options) {
    if (arg == "--net")
        options.enabled = true;
    else if (arg == "--tabs")
        options.tabs = true;
    else if (arg == "--scale") {
        options.millimetresPerUnit = ParseReal(arg, value());
        if (!(options.millimetresPerUnit > 0 && options.millimetresPerUnit <= 1000))
            throw UsageError("--scale must be above 0 and at most 1000 millimetres per unit");
    } else if (arg == "--paper") {
        options.paper = value();
        if (options.paper != "A4" && options.paper != "Letter")
            throw UsageError("--paper must be A4 or Letter, not '" + options.paper + "'");
    } else if (arg == "--fold") {
        options.fold = ParseReal(arg, value());
        if (!(*options.fold >= 0 && *options.fold <= 1)) throw UsageError("--fold must lie from 0 (flat) to 1 (closed)");
    } else
        return false;
    return true;
}

void CheckNetOptions(const NetOptions& options, const std::string& output, bool info) {
    if (!options.enabled) {
        if (options.tabs || options.fold || options.millimetresPerUnit != 1 || options.paper != "A4")
            throw UsageError("--tabs, --scale, --paper and --fold go with --net");
        return;
    }
    if (output.empty()) {
        if (!info) throw UsageError("--net needs -o FILE.svg, FILE.pdf or FILE.png, or --info");
        return;
    }
    const auto format = quarn::SheetFormatOf(output);
    if (options.fold) {
        if (format != quarn::SheetFormat::Png) throw UsageError("--fold draws a frame: it needs -o FILE.png");
        return;
    }
    if (!format || *format == quarn::SheetFormat::Tikz)
        throw UsageError("--net writes .svg, .pdf or .png files, not '" + output + "'");
}

const char kNetUsage[] = R"(
Nets (the solid's surface unfolded, to print, cut out and fold):
  --net            with -o FILE.svg|.pdf|.png: the net at true size on paper, cut lines solid, folds
                   dashed, a 100 mm check bar; with --info: "net" in the JSON
  --labels         the vertex letters on the net's corners
  --tabs           glue tabs, one for each pair of cut edges, with the edges' numbers
  --scale MM       millimetres of paper per world unit (default 1); a net larger than the paper is
                   printed smaller and the sheet says so
  --paper P        A4 (default) or Letter
  --fold T         with -o FILE.png: the net folded from 0 (flat) to 1 (closed), drawn as a frame)";

}  // namespace orrin
