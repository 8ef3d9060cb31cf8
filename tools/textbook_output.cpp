#include "textbook_output.hpp"

#include "drawing/sheet_writer.hpp"
#include "drawing/textbook_request.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

using namespace quarn;

ViewKind ViewKindOf(const std::string& name) {
    if (name == "oblique") return ViewKind::Oblique;
    if (name == "front") return ViewKind::Front;
    if (name == "side") return ViewKind::Side;
    if (name == "top") return ViewKind::Top;
    return ViewKind::Orbit;
}

// The camera on its orbit exactly as a frame places it.
DrawingView OrbitView(const RenderOptions& options) {
    SceneStore& s = Scene();
    OrbitCamera(s.CurrentCamera, ZeroVector(), options.distance, options.yaw, options.pitch);
    return MakeCameraView(s.Cameras[s.CurrentCamera]);
}

}  // namespace

void WriteTextbookDrawing(const RenderOptions& options, const LoadedSolid& solid,
                          const std::optional<DrawnSection>& section) {
    TextbookRequest request;
    request.ThreeViews = options.textbook.view == "three";
    request.View = ViewKindOf(options.textbook.view);
    if (request.View == ViewKind::Orbit && !request.ThreeViews) request.OrbitView = OrbitView(options);
    request.Labels = options.textbook.labels;
    request.Polyhedral = solid.Polyhedral;
    request.AsBuilt = options.textbook.asBuilt;
    request.Auxiliary = !options.textbook.noAux;
    request.Language = options.textbook.lang == "en" ? CaptionLanguage::English : CaptionLanguage::Chinese;
    // The geodesic sphere is shown as the polyhedron it is, not as the sphere it comes near.
    const SolidMenuEntry* geodesic = FindSolidMenuEntry("geodesic-sphere");
    if (!(geodesic && solid.MenuIndex == geodesic->Index)) request.Exact = solid.Exact;
    request.Section = section;
    const std::vector<SolidMesh> meshes = ReadVisibleSceneMeshes();
    WriteSheetFile(MakeTextbookSheet(meshes, request), options.outputPng, options.width, options.height);
}

}  // namespace orrin
