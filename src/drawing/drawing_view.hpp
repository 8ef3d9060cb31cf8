#pragma once
// How a textbook drawing looks at the solid: the camera's perspective or parallel view, the oblique
// drawing (the receding depth axis drawn at 45 degrees and halved) and the three orthographic views.
//
// A world point goes to view coordinates (right, up, forward), then to the drawing plane (y up) with a
// nearness key Q: larger is nearer the viewer, and Q is affine along every projected straight line and
// across every projected plane (minus the depth for parallel views, one over the depth for
// perspective), so that depth comparisons along an edge are linear.

#include <string_view>

#include "geometry/point3.hpp"
#include "scene/records.hpp"

namespace quarn {

enum class ViewKind { Orbit, Oblique, Front, Side, Top };

struct Projected {
    Point2 At;
    double Q = 0;
};

class DrawingView {
  public:
    // Parallel projection: X = right + shearX * forward, Y = up + shearY * forward.
    static DrawingView Parallel(const Point3& right, const Point3& up, const Point3& forward,
                                double shearX = 0, double shearY = 0);
    static DrawingView Perspective(const Point3& eye, const Point3& right, const Point3& up,
                                   const Point3& forward, double nearClip);

    Point3 ToView(const Point3& world) const;
    Point3 DirectionToView(const Point3& world) const;
    // View-space point to the drawing plane; a perspective point must lie beyond NearClip().
    Projected Project(const Point3& view) const;
    // True when a face with this view-space normal through this view-space point turns to the viewer.
    bool FacesViewer(const Point3& normal, const Point3& point) const;

    // Of a parallel view: the unit world direction from the viewer into the picture, along which every
    // point is drawn on one picture point.
    Point3 ProjectionDirection() const;

    bool IsPerspective() const { return perspective_; }
    double NearClip() const { return near_; }

  private:
    Point3 eye_, right_, up_, forward_;
    double shearX_ = 0, shearY_ = 0;
    bool perspective_ = false;
    double near_ = 0;
};

// The view of the camera as the frame pipeline sets it up (perspective, or parallel when Orthographic).
DrawingView MakeCameraView(const CameraRecord& camera);
// The oblique drawing or one of the three orthographic views (Orbit is not one of them).
DrawingView MakeTextbookView(ViewKind kind);

}  // namespace quarn
