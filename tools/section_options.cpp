#include "section_options.hpp"

#include "render_options.hpp"

namespace orrin {

bool ParseSectionOption(const std::string& arg, const std::function<const std::string&()>& value,
                        SectionOptions& options) {
    if (arg != "--section") return false;
    options.plane = value();
    if (options.plane.empty()) throw UsageError("--section needs a plane, such as through:A,C,D1");
    return true;
}

void CheckSectionOptions(const SectionOptions& options, bool info, const TextbookOptions& textbook) {
    if (options.plane.empty()) return;
    if (!info && !textbook.enabled) throw UsageError("--section goes with --info or --textbook");
    if (textbook.enabled && textbook.view == "three")
        throw UsageError("--section is drawn into one view, not into --view three");
}

const char kSectionUsage[] = R"(
Sections (a plane through the solid):
  --section PLANE  with --info: add "section" (polygons, area, perimeter, sides, angles, the shape's
                   name and, for a curved solid, the exact solid's section); with --textbook: draw the
                   section into the solid and its true shape beside it. PLANE is through:P,Q,R or
                   point:X,Y,Z;normal:NX,NY,NZ, where a point is a corner's letter (A, C1), mid(P,Q),
                   on(P,Q,t) (from P towards Q, t = 1/3 or 0.25) or (x,y,z); the point of point: may
                   be one of these too, and the normal dir(P,Q), the direction from P to Q)";

}  // namespace orrin
