#include "render/draw_styles.hpp"

#include "math/screen_point.hpp"
#include "platform/canvas.hpp"
#include "platform/engine_fault.hpp"
#include "render/draw_list.hpp"
#include "render/draw_style_codes.hpp"
#include "render/lighting.hpp"
#include "render/primitive_meshes.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;

// The pen, brush and raster state of each style; unset columns keep what the surface has.
void SetUpStyle(Canvas& surface, int style) {
    switch (style) {
        case kStyleWireframe:
            surface.SetRasterMode(kRopCopyPen);
            surface.SetPenStyle(kPenSolid);
            surface.SetBrushStyle(kBrushHollow);
            surface.SetPenColor(kWhite);
            break;
        case kStyleFlatEdged:
            surface.SetRasterMode(kRopCopyPen);
            surface.SetPenStyle(kPenSolid);
            surface.SetBrushStyle(kBrushSolid);
            surface.SetPenColor(kWhite);
            break;
        case kStyleFlatShaded:
            surface.SetRasterMode(kRopCopyPen);
            surface.SetPenStyle(kPenNone);
            surface.SetBrushStyle(kBrushSolid);
            break;
        case kStyleMergeShaded:
            surface.SetRasterMode(kRopMergePen);
            surface.SetPenStyle(kPenNone);
            surface.SetBrushStyle(kBrushSolid);
            break;
        case kStyleInvertOutline:
            surface.SetRasterMode(kRopNot);
            surface.SetPenStyle(kPenSolid);
            surface.SetBrushStyle(kBrushHollow);
            break;
        case kStyleSmooth:
            surface.SetRasterMode(kRopCopyPen);
            break;
        default:
            break;
    }
}

CanvasPoint CornerPoint(int vertex) {
    const ScreenPoint p = VectorToPoint(Scene().ScreenVertices[vertex]);
    return {p.x, p.y};
}

// The 16-bit gradient channel of an 8-bit component: the component in the high byte.
std::uint16_t GradientChannel(std::int16_t component) {
    if (component < 0 || component > 255)
        throw ArithmeticError("Overflow: colour component " + std::to_string(component) + " has no gradient channel");
    return static_cast<std::uint16_t>(component << 8);
}

GradientVertex MakeGradientVertex(int vertex, const ColorRGB16& color) {
    const CanvasPoint p = CornerPoint(vertex);
    return {p.x, p.y, GradientChannel(color.Red), GradientChannel(color.Green), GradientChannel(color.Blue), 0};
}

}  // namespace

void FillFace(Canvas& surface, int face, const ColorRGB16& color) {
    const FaceRecord& f = Scene().Faces[face];
    const CanvasPoint corners[3] = {CornerPoint(f.VertexA), CornerPoint(f.VertexB), CornerPoint(f.VertexC)};
    surface.SetBrushColor(ColorToRGB(color));
    surface.Polygon(corners, 3);
}

void GouraudFace(Canvas& surface, int face, const ColorRGB16& colorA, const ColorRGB16& colorB,
                 const ColorRGB16& colorC) {
    const FaceRecord& f = Scene().Faces[face];
    const GradientVertex corners[3] = {MakeGradientVertex(f.VertexA, colorA), MakeGradientVertex(f.VertexB, colorB),
                                       MakeGradientVertex(f.VertexC, colorC)};
    const std::uint32_t triangle[3] = {0, 1, 2};
    surface.GradientFill(corners, 3, triangle, 1, GradientMode::Triangle);
}

void DrawScene(Canvas& surface, int camera) {
    SceneStore& s = Scene();
    const int style = s.Cameras[camera].DrawStyle;
    SetUpStyle(surface, style);
    ShadeFaces(camera);
    if (style == kStyleSmooth) {
        ForEachListedFace([&](Index f) {
            const FaceRecord& face = s.Faces[f];
            GouraudFace(surface, f, s.VertexShades[face.VertexA], s.VertexShades[face.VertexB],
                        s.VertexShades[face.VertexC]);
        });
    } else {
        ForEachListedFace([&](Index f) { FillFace(surface, f, s.FaceShades[f]); });
    }
    DrawPrimitiveMeshes(surface);
}

}  // namespace quarn
