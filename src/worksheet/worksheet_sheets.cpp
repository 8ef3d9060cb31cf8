#include "worksheet/worksheet_sheets.hpp"

#include <algorithm>

#include "drawing/textbook_request.hpp"

namespace orrin {

using namespace quarn;

Sheet MakeTextbookTabSheet(std::span<const SolidMesh> meshes, const WorksheetDocument& doc, const PlacedSolid& placed) {
    TextbookRequest request;
    request.ThreeViews = doc.Tab == SheetTab::ThreeViews;
    request.View = ViewKind::Oblique;
    // The three views are not lettered: their corners lie on top of each other.
    request.Labels = doc.Letters && !request.ThreeViews;
    request.Polyhedral = placed.Polyhedral;
    request.Exact = placed.Exact;  // round solids drawn from the exact solid, regular ones turned as taught
    request.Auxiliary = doc.Auxiliary;
    request.Language = doc.EnglishCaptions ? CaptionLanguage::English : CaptionLanguage::Chinese;
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

Sheet MakeNoteSheet(const std::string& note) {
    Sheet sheet;
    sheet.Texts.push_back({TextRole::Caption, note, {}, {0, 0}, {0, 1}});
    sheet.Extent.Add(Point2{-100, -40});
    sheet.Extent.Add(Point2{100, 40});
    return sheet;
}

}  // namespace orrin
