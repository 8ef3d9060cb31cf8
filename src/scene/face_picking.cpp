#include "scene/face_picking.hpp"

#include <cmath>

#include "scene/scene_store.hpp"

namespace quarn {
namespace {

constexpr double kInt32Limit = 2147483647.0;

// The corner's screen position as whole pixels, y pointing up; false when it does not fit 32 bits.
bool CornerPoint(int vertex, double& x, double& y) {
    const Vector3D& v = Scene().ScreenVertices[vertex];
    if (!(std::fabs(double(v.x)) < kInt32Limit) || !(std::fabs(double(v.y)) < kInt32Limit)) return false;
    const ScreenPoint p = VectorToPoint(v);
    x = p.x;
    y = -double(p.y);
    return true;
}

// True when p is on the inner side of the edge u -> v (the z of (v - u) x (p - u) is negative).
bool InsideEdge(double ux, double uy, double vx, double vy, double px, double py) {
    return (vx - ux) * (py - uy) - (vy - uy) * (px - ux) < 0;
}

}  // namespace

bool PointInFace(const ScreenPoint& p, int face) {
    const FaceRecord& f = Scene().Faces[face];
    double ax, ay, bx, by, cx, cy;
    if (!CornerPoint(f.VertexA, ax, ay) || !CornerPoint(f.VertexB, bx, by) || !CornerPoint(f.VertexC, cx, cy))
        return false;
    const double px = p.x, py = -double(p.y);
    return InsideEdge(bx, by, cx, cy, px, py) && InsideEdge(ax, ay, bx, by, px, py) &&
           InsideEdge(cx, cy, ax, ay, px, py);
}

Index PickFace(const ScreenPoint& p) {
    const SceneStore& s = Scene();
    Index best = 0;
    float bestKey = 0;
    for (int i = 0; i <= kTableCapacity; ++i) {
        const Index face = s.DrawList[i];
        if (face == 0) break;
        if (!PointInFace(p, face)) continue;
        const FaceRecord& f = s.Faces[face];
        const float key = StoreFloat(double(s.ScreenVertices[f.VertexA].z) + s.ScreenVertices[f.VertexB].z +
                                     s.ScreenVertices[f.VertexC].z);
        if (bestKey == 0 || key < bestKey) {
            best = face;
            bestKey = key;
        }
    }
    return best;
}

}  // namespace quarn
