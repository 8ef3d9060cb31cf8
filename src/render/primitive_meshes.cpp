#include "render/primitive_meshes.hpp"

#include <cmath>

#include "math/color.hpp"
#include "platform/canvas.hpp"
#include "platform/numeric.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// The rounded screen position of a vertex, or false when it does not fit 32 bits. Only the first
// vertex of a mark is depth-tested, so the others may lie behind the camera and project anywhere.
bool ScreenPosition(int vertex, CanvasPoint& point) {
    const Vector3D& v = Scene().ScreenVertices[vertex];
    const double x = std::nearbyint(double(v.x)), y = std::nearbyint(double(v.y));
    if (!(x >= -2147483648.0 && x <= 2147483647.0 && y >= -2147483648.0 && y <= 2147483647.0)) return false;
    point = {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
    return true;
}

void DrawMark(Canvas& surface, const MeshRecord& m, const CanvasPoint* p, std::int32_t color) {
    switch (m.VertexCount) {
        case 1:
            if (!m.Name.empty()) {
                surface.SetPenColor(color);
                surface.TextOut(p[0].x, p[0].y, m.Name);
            } else {
                surface.SetRasterMode(kRopCopyPen);
                surface.SetPixel(p[0].x, p[0].y, color);
            }
            break;
        case 2:
            surface.SetRasterMode(kRopCopyPen);
            surface.SetPenStyle(kPenSolid);
            surface.SetPenColor(color);
            surface.MoveToEx(p[0].x, p[0].y);
            surface.LineTo(p[1].x, p[1].y);
            break;
        case 4:
            surface.SetRasterMode(kRopCopyPen);
            surface.SetPenStyle(kPenSolid);
            surface.SetPenColor(color);
            surface.PolyBezier(p, 4);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawPrimitiveMeshes(Canvas& surface) {
    const SceneStore& s = Scene();
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        if (!m.Visible || m.FaceCount != 1) continue;
        if (m.VertexCount != 1 && m.VertexCount != 2 && m.VertexCount != 4) continue;
        const float depth = s.ScreenVertices[m.FirstVertex].z;
        if (!(depth > 0 && depth < 1)) continue;
        CanvasPoint points[4];
        bool fits = true;
        for (int k = 0; k < m.VertexCount && fits; ++k) fits = ScreenPosition(m.FirstVertex + k, points[k]);
        if (!fits) continue;
        DrawMark(surface, m, points, ColorToRGB(s.Faces[m.FirstFace].Color));
    }
}

}  // namespace quarn
