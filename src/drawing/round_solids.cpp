#include "drawing/round_solids.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/curve_pens.hpp"
#include "drawing/torus_drawing.hpp"
#include "geometry/mesh_topology.hpp"

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;
Point2 Drawn(const DrawingView& view, const Point3& p) {
    return view.Project(view.ToView(p)).At;
}

bool HasTwoBases(IdealShape shape) {
    return shape == IdealShape::Cylinder || shape == IdealShape::ConeFrustum;
}

Sheet DrawOblique(const RoundSolid& s, const RoundSolidLook& look) {
    const DrawingView view = MakeTextbookView(ViewKind::Oblique);
    const Point2 c0 = Drawn(view, {s.X, s.Bottom, s.Z}), c1 = Drawn(view, {s.X, s.Top, s.Z});
    // A horizontal circle is drawn with its depth at the oblique drawing's vertical share of depth.
    const double depth = (Drawn(view, {0, 0, 1}) - Drawn(view, {0, 0, 0})).y;
    const double r1 = s.BottomRadius, r2 = s.TopRadius, b1 = depth * r1, b2 = depth * r2;
    Pens pens;
    Box2& extent = pens.Out.Extent;
    Point2 centre = c0;  // O: the centre of the base, or of the sphere
    switch (s.Shape) {
        case IdealShape::Sphere: {
            centre = (c0 + c1) * 0.5;
            AddCircle(pens.Visible, centre, r1);
            AddEllipseArc(pens.Visible, centre, r1, b1, kPi, 2 * kPi);
            AddEllipseArc(pens.Hidden, centre, r1, b1, 0, kPi);
            extent.Add(centre - Point2{r1, r1}), extent.Add(centre + Point2{r1, r1});
            break;
        }
        case IdealShape::Hemisphere: {
            centre = s.DomeUp ? c0 : c1;
            if (s.DomeUp) {
                // The dome hides the back half of its base.
                AddEllipseArc(pens.Visible, centre, r1, r1, 0, kPi);
                AddEllipseArc(pens.Visible, centre, r1, b1, kPi, 2 * kPi);
                AddEllipseArc(pens.Hidden, centre, r1, b1, 0, kPi);
                extent.Add(centre - Point2{r1, b1}), extent.Add(centre + Point2{r1, r1});
            } else {
                AddEllipseArc(pens.Visible, centre, r1, r1, kPi, 2 * kPi);
                AddEllipseArc(pens.Visible, centre, r1, b1, 0, 2 * kPi);
                pens.Visible.Close();
                extent.Add(centre - Point2{r1, r1}), extent.Add(centre + Point2{r1, b1});
            }
            break;
        }
        default: {
            // The outline touches both ellipses where their tangent passes through the same line: at
            // sin t = depth (r1 - r2) / h on each (t = 0 for a cylinder, the apex's tangents for a cone).
            const double h = c1.y - c0.y;
            const double sine = h > 0 ? depth * (r1 - r2) / h : 2;
            if (std::fabs(sine) < 1) {
                const double t = std::asin(sine), cosine = std::cos(t);
                for (const double side : {-1.0, 1.0})
                    AddSegment(pens.Visible, c0 + Point2{side * r1 * cosine, b1 * sine},
                               c1 + Point2{side * r2 * cosine, b2 * sine});
                AddEllipseArc(pens.Visible, c0, r1, b1, kPi - t, 2 * kPi + t);
                AddEllipseArc(pens.Hidden, c0, r1, b1, t, kPi - t);
            } else {
                // So flat that the apex or the top lies within the base: all of the base is outline.
                AddEllipseArc(pens.Visible, c0, r1, b1, 0, 2 * kPi);
                pens.Visible.Close();
            }
            if (r2 > 0) {
                AddEllipseArc(pens.Visible, c1, r2, b2, 0, 2 * kPi);
                pens.Visible.Close();
            }
            const double r = std::max(r1, r2);
            extent.Add(Point2{c0.x - r, c0.y - b1}), extent.Add(Point2{c0.x + r, c1.y + b2});
            break;
        }
    }
    const bool axis = s.Shape != IdealShape::Sphere && s.Shape != IdealShape::Hemisphere;
    const Point2 a = centre - Point2{r1, 0}, b = centre + Point2{r1, 0};
    if (look.Auxiliary) {
        AddSegment(pens.Hidden, a, b);  // the diameter across the front, inside the solid
        if (axis) AddSegment(pens.Hidden, c0, c1);
    }
    if (look.Auxiliary || look.Labels) {
        pens.Out.Dots.push_back(centre);
        if (HasTwoBases(s.Shape)) pens.Out.Dots.push_back(c1);
    }
    if (look.Labels) {
        pens.Letter("O", "", centre, {0.6, -0.8});
        if (HasTwoBases(s.Shape)) pens.Letter("O", "1", c1, {0.6, 0.8});
        if (s.Shape == IdealShape::Cone) pens.Letter("S", "", c1, {0, 1});
        pens.Letter("A", "", a, {-1, 0});
        pens.Letter("B", "", b, {1, 0});
    }
    return pens.Finish();
}

// The front or side view: the solid's section through its axis.
Sheet DrawElevation(const RoundSolid& s, ViewKind kind, const RoundSolidLook& look) {
    const double u = Drawn(MakeTextbookView(kind), {s.X, 0, s.Z}).x;
    const double y0 = s.Bottom, y1 = s.Top, r1 = s.BottomRadius, r2 = s.TopRadius;
    Pens pens;
    SheetPath& line = pens.Visible;
    switch (s.Shape) {
        case IdealShape::Sphere:
            AddCircle(line, {u, (y0 + y1) / 2}, r1);
            break;
        case IdealShape::Hemisphere: {
            const double base = s.DomeUp ? y0 : y1;
            AddSegment(line, {u - r1, base}, {u + r1, base});
            AddEllipseArc(line, {u, base}, r1, r1, s.DomeUp ? 0 : kPi, s.DomeUp ? kPi : 2 * kPi);
            break;
        }
        default:
            line.AddPolyline({{u - r1, y0}, {u + r1, y0}, {u + r2, y1}, {u - r2, y1}});
            if (r2 == 0) line.Steps.pop_back();  // a cone: one apex, not two
            line.Close();
            break;
    }
    const double r = std::max(r1, r2);
    pens.Out.Extent.Add(Point2{u - r, y0}), pens.Out.Extent.Add(Point2{u + r, y1});
    if (look.Auxiliary) {
        const double overhang = kCentreLineOverhang * std::max(y1 - y0, 2 * r);
        AddSegment(pens.Centre, {u, y0 - overhang}, {u, y1 + overhang});
        if (s.Shape == IdealShape::Sphere) {
            const double yc = (y0 + y1) / 2;
            AddSegment(pens.Centre, {u - r - overhang, yc}, {u + r + overhang, yc});
        }
    }
    return pens.Finish();
}

Sheet DrawPlan(const RoundSolid& s, const RoundSolidLook& look) {
    const Point2 c = Drawn(MakeTextbookView(ViewKind::Top), {s.X, 0, s.Z});
    const double r = std::max(s.BottomRadius, s.TopRadius);
    Pens pens;
    AddCircle(pens.Visible, c, s.BottomRadius);
    if (s.Shape == IdealShape::ConeFrustum) AddCircle(pens.Visible, c, s.TopRadius);
    if (s.Shape == IdealShape::Cone) pens.Out.Dots.push_back(c);  // the apex, seen from above
    pens.Out.Extent.Add(c - Point2{r, r}), pens.Out.Extent.Add(c + Point2{r, r});
    if (look.Auxiliary) {
        const double reach = r + kCentreLineOverhang * 2 * r;
        AddSegment(pens.Centre, c - Point2{reach, 0}, c + Point2{reach, 0});
        AddSegment(pens.Centre, c - Point2{0, reach}, c + Point2{0, reach});
    }
    return pens.Finish();
}

}  // namespace

std::optional<RoundSolid> PlaceRoundSolid(const IdealSolid& exact, const SolidMesh& mesh) {
    RoundSolid s{exact.Shape};
    switch (exact.Shape) {
        case IdealShape::Cylinder: s.BottomRadius = s.TopRadius = exact.A; break;
        case IdealShape::Cone: s.BottomRadius = exact.A; break;
        case IdealShape::ConeFrustum: s.BottomRadius = exact.A, s.TopRadius = exact.B; break;
        case IdealShape::Sphere:
        case IdealShape::Hemisphere: s.BottomRadius = s.TopRadius = exact.A; break;
        case IdealShape::Torus:
            // A ring torus only: a tube as wide as the ring or wider passes through its own axis.
            if (!(exact.B > 0 && exact.B < exact.A)) return std::nullopt;
            s.BottomRadius = s.TopRadius = exact.A, s.TubeRadius = exact.B;
            break;
        default: return std::nullopt;
    }
    // The vertices of a faceted solid of revolution lie in rings round its axis: their mean is on it,
    // once each is counted once.
    const std::vector<Point3> points = BuildMeshTopology(mesh).Points;
    if (points.empty()) return std::nullopt;
    s.Bottom = INFINITY, s.Top = -INFINITY;
    for (const Point3& p : points) {
        s.X += p.x, s.Z += p.z;
        s.Bottom = std::min(s.Bottom, p.y), s.Top = std::max(s.Top, p.y);
    }
    s.X /= double(points.size()), s.Z /= double(points.size());
    if (exact.Shape == IdealShape::Hemisphere) {
        // The flat base holds a whole ring of vertices, the dome's far end only its pole.
        const double tolerance = 1e-6 * std::max(1.0, s.Top - s.Bottom);
        int low = 0, high = 0;
        for (const Point3& p : points) {
            low += std::fabs(p.y - s.Bottom) <= tolerance;
            high += std::fabs(p.y - s.Top) <= tolerance;
        }
        s.DomeUp = low >= high;
    }
    return s;
}

Sheet DrawRoundSolid(const RoundSolid& solid, ViewKind view, const RoundSolidLook& look) {
    if (solid.Shape == IdealShape::Torus) return DrawTorus(solid, view, look);
    switch (view) {
        case ViewKind::Front:
        case ViewKind::Side: return DrawElevation(solid, view, look);
        case ViewKind::Top: return DrawPlan(solid, look);
        default: return DrawOblique(solid, look);
    }
}

}  // namespace quarn
