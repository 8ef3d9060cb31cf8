#include "drawing/textbook_request.hpp"

#include "drawing/textbook_sheet.hpp"

namespace quarn {

Sheet MakeTextbookSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request) {
    DrawingOptions drawing;
    drawing.Labels = request.Labels;
    if (request.Polyhedral) drawing.FeatureAngleDegrees = 0;
    if (request.ThreeViews) return ToSheet(MakeThreeViewSheet(meshes, drawing));
    const DrawingView view = request.View == ViewKind::Orbit ? request.OrbitView : MakeTextbookView(request.View);
    Sheet sheet = ToSheet(MakeSingleViewSheet(DrawSolidEdges(meshes, view, drawing)));
    if (request.Section) AddSectionToSheet(sheet, meshes, view, *request.Section);
    return sheet;
}

}  // namespace quarn
