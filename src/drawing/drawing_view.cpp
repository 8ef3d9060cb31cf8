#include "drawing/drawing_view.hpp"

#include <cmath>

#include "math/matrix.hpp"

namespace quarn {
namespace {

// Oblique drawing: depth drawn at 45 degrees up and to the right, at half its length.
const double kObliqueShear = 0.5 * std::sqrt(0.5);

Point3 Row(const Matrix4x4& m, int r) {
    return {m.row[r].x, m.row[r].y, m.row[r].z};
}

}  // namespace

DrawingView DrawingView::Parallel(const Point3& right, const Point3& up, const Point3& forward, double shearX,
                                  double shearY) {
    DrawingView v;
    v.right_ = right, v.up_ = up, v.forward_ = forward;
    v.shearX_ = shearX, v.shearY_ = shearY;
    return v;
}

DrawingView DrawingView::Perspective(const Point3& eye, const Point3& right, const Point3& up,
                                     const Point3& forward, double nearClip) {
    DrawingView v = Parallel(right, up, forward);
    v.eye_ = eye;
    v.perspective_ = true;
    v.near_ = nearClip;
    return v;
}

Point3 DrawingView::ToView(const Point3& world) const {
    return DirectionToView(world - eye_);
}

Point3 DrawingView::DirectionToView(const Point3& d) const {
    return {DotProduct(d, right_), DotProduct(d, up_), DotProduct(d, forward_)};
}

Projected DrawingView::Project(const Point3& v) const {
    if (perspective_) return {{v.x / v.z, v.y / v.z}, 1 / v.z};
    return {{v.x + shearX_ * v.z, v.y + shearY_ * v.z}, -v.z};
}

Point3 DrawingView::ProjectionDirection() const {
    const Point3 d = right_ * -shearX_ + up_ * -shearY_ + forward_;
    return d * (1 / LengthOf(d));
}

bool DrawingView::FacesViewer(const Point3& normal, const Point3& point) const {
    // The ray that reaches the point: from the eye, or along the projection direction.
    const Point3 ray = perspective_ ? point : Point3{-shearX_, -shearY_, 1};
    // A face seen edge-on (within the rounding of float vertices) counts as turned away, so that the
    // outline runs along one side of it and not zigzagging across it.
    return DotProduct(normal, ray) < -1e-6 * LengthOf(normal) * LengthOf(ray);
}

DrawingView MakeCameraView(const CameraRecord& c) {
    // The camera's placement Rz * Rx * Ry: its rows are the camera's axes in the world.
    Matrix4x4 placement =
        MatrixMultiply(RotationMatrix(kAxisZ, c.RotationZ), RotationMatrix(kAxisX, c.RotationX));
    placement = MatrixMultiply(placement, RotationMatrix(kAxisY, c.RotationY));
    const Point3 eye{c.Position.x, c.Position.y, c.Position.z};
    if (c.Orthographic) return DrawingView::Parallel(Row(placement, 0), Row(placement, 1), Row(placement, 2));
    return DrawingView::Perspective(eye, Row(placement, 0), Row(placement, 1), Row(placement, 2),
                                    c.NearClip > 0 ? c.NearClip : 1e-3);
}

DrawingView MakeTextbookView(ViewKind kind) {
    const Point3 x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    switch (kind) {
        case ViewKind::Oblique:
            return DrawingView::Parallel(x, y, z, kObliqueShear, kObliqueShear);
        // Seen from the left, with the solid's front on the right-hand side.
        case ViewKind::Side:
            return DrawingView::Parallel(z * -1, y, x);
        // Seen from above, with the solid's front at the bottom.
        case ViewKind::Top:
            return DrawingView::Parallel(x, z, y * -1);
        default:
            return DrawingView::Parallel(x, y, z);
    }
}

}  // namespace quarn
