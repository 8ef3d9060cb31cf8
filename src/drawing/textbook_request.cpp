#include "drawing/textbook_request.hpp"

#include "drawing/textbook_sheet.hpp"

namespace quarn {

Sheet MakeTextbookSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request) {
    DrawingOptions drawing;
    drawing.Labels = request.Labels;
    if (request.Polyhedral) drawing.FeatureAngleDegrees = 0;
    if (request.ThreeViews) return ToSheet(MakeThreeViewSheet(meshes, drawing));
    const DrawingView view = request.View == ViewKind::Orbit ? request.OrbitView : MakeTextbookView(request.View);
    return ToSheet(MakeSingleViewSheet(DrawSolidEdges(meshes, view, drawing)));
}

}  // namespace quarn
