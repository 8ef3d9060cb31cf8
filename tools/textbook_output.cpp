#include "textbook_output.hpp"

#include "drawing/sheet_writer.hpp"
#include "drawing/textbook_sheet.hpp"
#include "scene/scene.hpp"

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

void WriteTextbookDrawing(const RenderOptions& options, const LoadedSolid& solid) {
    const std::vector<SolidMesh> meshes = ReadVisibleSceneMeshes();
    DrawingOptions drawing;
    drawing.Labels = options.textbook.labels;
    // A polyhedron of many sides is drawn with every edge, however flat, as its letters need.
    if (solid.Polyhedral) drawing.FeatureAngleDegrees = 0;
    const ViewKind kind = ViewKindOf(options.textbook.view);
    TextbookSheet sheet;
    if (options.textbook.view == "three")
        sheet = MakeThreeViewSheet(meshes, drawing);
    else
        sheet = MakeSingleViewSheet(DrawSolidEdges(
            meshes, kind == ViewKind::Orbit ? OrbitView(options) : MakeTextbookView(kind), drawing));
    WriteSheetFile(ToSheet(sheet), options.outputPng, options.width, options.height);
}

}  // namespace orrin
