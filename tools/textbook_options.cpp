#include "textbook_options.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "drawing/sheet_writer.hpp"
#include "render_options.hpp"

namespace orrin {
namespace {

constexpr std::array<std::string_view, 5> kViews{"oblique", "front", "side", "top", "three"};

}  // namespace

bool ParseTextbookOption(const std::string& arg, const std::function<const std::string&()>& value,
                         TextbookOptions& options) {
    if (arg == "--textbook")
        options.enabled = true;
    else if (arg == "--labels")
        options.labels = true;
    else if (arg == "--no-aux")
        options.noAux = true;
    else if (arg == "--as-built")
        options.asBuilt = true;
    else if (arg == "--lang") {
        options.lang = value();
        if (options.lang != "zh" && options.lang != "en")
            throw UsageError("--lang must be zh or en, not '" + options.lang + "'");
    }
    else if (arg == "--view") {
        options.view = value();
        if (std::find(kViews.begin(), kViews.end(), options.view) == kViews.end())
            throw UsageError("--view must be oblique, front, side, top or three, not '" + options.view + "'");
    } else
        return false;
    return true;
}

void CheckTextbookOptions(const TextbookOptions& options, const std::string& output) {
    if (!options.enabled) {
        if (!options.view.empty() || options.labels || !options.lang.empty() || options.noAux || options.asBuilt)
            throw UsageError("--view, --labels, --lang, --no-aux and --as-built go with --textbook");
        return;
    }
    if (output.empty()) throw UsageError("--textbook needs -o FILE.svg, FILE.pdf, FILE.png or FILE.tex");
    if (!quarn::SheetFormatOf(output))
        throw UsageError("--textbook writes .svg, .pdf, .png or .tex (TikZ) files, not '" + output + "'");
}

const char kTextbookUsage[] = R"(
Textbook drawings (black lines on white, hidden edges dashed):
  --textbook       with -o FILE.svg|.pdf|.png|.tex: draw the solid's edges as a textbook does, scaled to
                   --size (pixels for PNG, points for SVG and PDF)
  --view V         oblique (depth at 45 degrees, halved), front, side (from the left), top, or three
                   (front, side and top views on one sheet); default: the camera's view as set by
                   --yaw, --pitch, --distance and --ortho
  --labels         letters A, B, C, ... at the vertices of a polyhedron (A1, B1, ... on a prism's top),
                   O and O1 at the centres of a round solid's bases, S at a cone's apex, A and B at
                   the ends of the diameter across the front
  --lang L         the three views' captions in zh (主视图, 左视图, 俯视图; the default) or en
  --no-aux         leave out the aids drawn by default: a round solid's axis, a pyramid's height,
                   base centres, and the centre lines of the three views
  --as-built       the mesh as it is: every facet of a round solid, the orientation it was built in,
                   no captions or aids (the drawings of earlier versions, unchanged))";

}  // namespace orrin
