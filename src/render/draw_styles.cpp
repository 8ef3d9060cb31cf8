#include "render/draw_styles.hpp"

#include <cmath>

#include "math/screen_point.hpp"
#include "platform/canvas.hpp"
#include "platform/engine_fault.hpp"
#include "platform/reference_path.hpp"
#include "render/draw_list.hpp"
#include "render/draw_style_table.hpp"
#include "render/lighting.hpp"
#include "render/primitive_meshes.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// The pen, brush and raster state of the style; unset entries keep what the surface has.
void SetUpStyle(Canvas& surface, const DrawStyleSettings& style) {
    if (style.rasterMode) surface.SetRasterMode(*style.rasterMode);
    if (style.penStyle) surface.SetPenStyle(*style.penStyle);
    if (style.brushStyle) surface.SetBrushStyle(*style.brushStyle);
    if (style.penColor) surface.SetPenColor(*style.penColor);
}

// A float rounded to an integer as VectorToPoint rounds it (to nearest, ties to even), in float
// arithmetic: for |value| < 2^22, adding and removing 2^23 leaves exactly the rounded value.
inline float RoundSmallFloat(float value) {
    return value >= 0 ? (value + 0x1p23f) - 0x1p23f : (value - 0x1p23f) + 0x1p23f;
}

// CornerPoint for a corner well inside the 32-bit range, where no step can fail; false otherwise.
[[gnu::always_inline]] inline bool SmallCornerPoint(const Vector3D& v, CanvasPoint& p) {
    constexpr float kLimit = 0x1p22f;
    if (!(std::fabs(v.x) < kLimit && std::fabs(v.y) < kLimit)) return false;  // NaN fails too
    p = {static_cast<std::int32_t>(RoundSmallFloat(v.x)), static_cast<std::int32_t>(RoundSmallFloat(v.y))};
    return true;
}

[[gnu::noinline]] CanvasPoint RoundCornerPoint(const Vector3D& v) {
    const ScreenPoint p = VectorToPoint(v);
    return {p.x, p.y};
}

// The corner's pixel, VectorToPoint of its screen position.
inline CanvasPoint CornerPoint(const SceneStore& s, int vertex, bool reference) {
    const Vector3D& v = s.ScreenVertices[vertex];
    CanvasPoint small;
    if (!reference && SmallCornerPoint(v, small)) return small;
    return RoundCornerPoint(v);
}

// The 16-bit gradient channel of an 8-bit component: the component in the high byte.
std::uint16_t GradientChannel(std::int16_t component) {
    if (component < 0 || component > 255)
        throw ArithmeticError("Overflow: colour component " + std::to_string(component) +
                              " has no gradient channel");
    return static_cast<std::uint16_t>(component << 8);
}

GradientVertex MakeGradientVertex(const SceneStore& s, int vertex, const ColorRGB16& color, bool reference) {
    const CanvasPoint p = CornerPoint(s, vertex, reference);
    return {p.x, p.y, GradientChannel(color.Red), GradientChannel(color.Green), GradientChannel(color.Blue),
            0};
}

}  // namespace

void FillFace(Canvas& surface, int face, const ColorRGB16& color) {
    const SceneStore& s = Scene();
    const FaceRecord& f = s.Faces[face];
    const bool reference = ReferencePathInUse();
    const CanvasPoint corners[3] = {CornerPoint(s, f.VertexA, reference),
                                    CornerPoint(s, f.VertexB, reference),
                                    CornerPoint(s, f.VertexC, reference)};
    surface.SetBrushColor(ColorToRGB(color));
    surface.Polygon(corners, 3);
}

void GouraudFace(Canvas& surface, int face, const ColorRGB16& colorA, const ColorRGB16& colorB,
                 const ColorRGB16& colorC) {
    const SceneStore& s = Scene();
    const FaceRecord& f = s.Faces[face];
    const bool reference = ReferencePathInUse();
    const GradientVertex corners[3] = {MakeGradientVertex(s, f.VertexA, colorA, reference),
                                       MakeGradientVertex(s, f.VertexB, colorB, reference),
                                       MakeGradientVertex(s, f.VertexC, colorC, reference)};
    const std::uint32_t triangle[3] = {0, 1, 2};
    surface.GradientFill(corners, 3, triangle, 1, GradientMode::Triangle);
}

void DrawScene(Canvas& surface, int camera) {
    SceneStore& s = Scene();
    const DrawStyleSettings& style = LookUpDrawStyle(s.Cameras[camera].DrawStyle);
    SetUpStyle(surface, style);
    ShadeFaces(camera);
    if (style.gouraud) {
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
