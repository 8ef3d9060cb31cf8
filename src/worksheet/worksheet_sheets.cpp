#include "worksheet/worksheet_sheets.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/textbook_request.hpp"
#include "math/constants.hpp"

namespace orrin {

using namespace quarn;

Sheet MakeTextbookTabSheet(std::span<const SolidMesh> meshes, const WorksheetDocument& doc, const ShownSolid& placed,
                           const std::optional<DrawnSection>& section) {
    TextbookRequest request;
    request.ThreeViews = doc.Tab == SheetTab::ThreeViews;
    request.View = ViewKind::Oblique;
    // The three views are not lettered: their corners lie on top of each other.
    request.Labels = doc.Letters && !request.ThreeViews;
    request.Polyhedral = placed.Polyhedral;
    request.Exact = placed.Exact;  // round solids drawn from the exact solid, regular ones turned as taught
    request.Auxiliary = doc.Auxiliary;
    request.Language = doc.EnglishCaptions ? CaptionLanguage::English : CaptionLanguage::Chinese;
    request.Section = section;
    Sheet sheet = MakeTextbookSheet(meshes, request);
    switch (doc.Hidden) {
        case HiddenEdges::Dashed:
            break;
        case HiddenEdges::Hidden:
            std::erase_if(sheet.Paths, [](const SheetPath& p) { return p.Stroke == Pen::Hidden; });
            break;
        case HiddenEdges::Solid:
            for (SheetPath& p : sheet.Paths)
                if (p.Stroke == Pen::Hidden) p.Stroke = Pen::Visible;
            break;
    }
    return sheet;
}

PointBox BoxOf(const std::vector<Point3>& points) {
    if (points.empty()) return {};
    PointBox box{{INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY}};
    for (const Point3& p : points) {
        box.Low = {std::min(box.Low.x, p.x), std::min(box.Low.y, p.y), std::min(box.Low.z, p.z)};
        box.High = {std::max(box.High.x, p.x), std::max(box.High.y, p.y), std::max(box.High.z, p.z)};
    }
    return box;
}

SectionPlane ChosenPlane(const SectionChoice& choice, const SolidMesh& mesh, std::span<const LetteredCorner> corners) {
    if (choice.ThroughPoints && !corners.empty())
        return ParseSectionPlane("through:" + choice.Points[0] + "," + choice.Points[1] + "," + choice.Points[2],
                                 corners);
    const PointBox box = BoxOf(mesh.Points);
    const double tilt = choice.Tilt * kPi / 180;
    return MakeSectionPlane(box.Middle() + Point3{0, choice.Offset * (box.High.y - box.Low.y) / 2, 0},
                            {0, std::cos(tilt), std::sin(tilt)});
}

namespace {

// The note cut into lines of about this many columns (a Chinese character takes two), at a space
// where the line has one, so that a long reason stays on the sheet.
constexpr int kNoteColumns = 32;

std::vector<std::string> WrapNote(const std::string& note) {
    std::vector<std::string> lines(1);
    int columns = 0;
    std::size_t lastSpace = std::string::npos;  // in the current line
    for (std::size_t k = 0; k < note.size();) {
        const unsigned char lead = static_cast<unsigned char>(note[k]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const int width = length >= 3 ? 2 : 1;
        if (columns + width > kNoteColumns) {
            std::string rest;
            if (lastSpace != std::string::npos && length == 1) {
                rest = lines.back().substr(lastSpace + 1);
                lines.back().resize(lastSpace);
            }
            lines.push_back(rest);
            columns = int(rest.size()), lastSpace = std::string::npos;
        }
        if (note[k] == ' ') lastSpace = lines.back().size();
        lines.back() += note.substr(k, length);
        columns += width, k += length;
    }
    return lines;
}

}  // namespace

Sheet MakeNoteSheet(const std::string& note) {
    Sheet sheet;
    const std::vector<std::string> lines = WrapNote(note);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SheetText text{TextRole::Caption, lines[k], {}, {0, 0}, {0, 1}};
        text.LinesBelow = double(k);
        sheet.Texts.push_back(std::move(text));
    }
    sheet.Extent.Add(Point2{-100, -40});
    sheet.Extent.Add(Point2{100, 40});
    return sheet;
}

}  // namespace orrin
