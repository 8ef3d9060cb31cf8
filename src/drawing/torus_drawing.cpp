#include "drawing/torus_drawing.hpp"

#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/curve_pens.hpp"

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;
// Points traced along each closed outline curve: the polyline keeps within a ten-thousandth of the
// torus's size of the curve, and its length to a few hundred-thousandths.
constexpr int kSamples = 360;

// The torus centred at the origin: the tube's middle circle of radius R round the y axis, the tube of
// radius r, its point (u, v) at angle u round the axis and v round the tube.
struct Ring {
    double R = 0, r = 0;

    Point3 At(double u, double v) const {
        const double across = R + r * std::cos(v);
        return {across * std::cos(u), r * std::sin(v), across * std::sin(u)};
    }

    // True when the ray from the outline point p towards the viewer, along the unit w that touches the
    // surface at p, passes through the tube. Along p + s w the torus's equation
    // (|q|² + R² − r²)² − 4R² (qx² + qz²), negative inside the tube, is s² (s² + 4bs + c) with b = p·w
    // and c = 4b² + 2 (|p|² + R² − r²) − 4R² (wx² + wz²): the ray enters the tube at once when c < 0,
    // or further on when the quadratic's lowest point, at s = −2b, lies ahead and below zero.
    bool Covered(const Point3& p, const Point3& w) const {
        const double lowest = 2 * (DotProduct(p, p) + R * R - r * r) - 4 * R * R * (w.x * w.x + w.z * w.z);
        const double b = DotProduct(p, w), tolerance = 1e-9 * (R + r) * (R + r);
        return 4 * b * b + lowest < -tolerance || (b < 0 && lowest < -tolerance);
    }
};

// One outline curve: the surface point (U(t), V(t)) for t from First to Last.
struct OutlineCurve {
    enum class Along { U, V } Runs = Along::U;
    double Fixed = 0;   // v when running along u, u when running along v
    double Turn = 0;    // when running along u in a general view: v is the normal's angle plus Turn
    bool General = false;
    double First = 0, Last = 2 * kPi;
};

// Where the normal (cos v cos u, sin v, cos v sin u) is square to the projection direction d:
// cos v (dx cos u + dz sin u) + sin v dy = 0. Seen from above or at a slant that is one v for each u
// and its opposite, two closed curves; seen square to the axis it is the two meridian circles facing
// the viewer and the top and bottom circles, whose far halves are drawn over their near halves and
// are left out.
std::vector<OutlineCurve> OutlineCurves(const Point3& d) {
    if (std::fabs(d.y) > 1e-9)
        return {{OutlineCurve::Along::U, 0, 0, true}, {OutlineCurve::Along::U, 0, kPi, true}};
    const double facing = std::atan2(-d.x, d.z);
    return {{OutlineCurve::Along::V, facing},
            {OutlineCurve::Along::V, facing + kPi},
            {OutlineCurve::Along::U, kPi / 2, 0, false, facing - kPi, facing},
            {OutlineCurve::Along::U, -kPi / 2, 0, false, facing - kPi, facing}};
}

Point3 OnCurve(const Ring& ring, const OutlineCurve& curve, const Point3& d, double t) {
    if (curve.Runs == OutlineCurve::Along::V) return ring.At(curve.Fixed, t);
    if (!curve.General) return ring.At(t, curve.Fixed);
    const double across = d.x * std::cos(t) + d.z * std::sin(t);
    return ring.At(t, std::atan2(across, -d.y) + curve.Turn);
}

// The curve traced into the pens, each stretch with the pen of its visibility, where it changes found
// to within rounding by halving the step; a closed curve starts at such a change, so that no stretch
// is split where the tracing begins.
void TraceCurve(Pens& pens, const Ring& ring, const OutlineCurve& curve, const DrawingView& view,
                const Point3& centre) {
    const Point3 d = view.ProjectionDirection(), toViewer = d * -1;
    const bool closed = curve.Last - curve.First > 2 * kPi - 1e-9;
    const int samples = closed ? kSamples : kSamples / 2;
    const auto point = [&](double t) { return view.Project(view.ToView(centre + OnCurve(ring, curve, d, t))).At; };
    const auto covered = [&](double t) { return ring.Covered(OnCurve(ring, curve, d, t), toViewer); };
    std::vector<Point2> points;
    std::vector<bool> hiddenAfter;  // of the stretch from each point to the next
    int firstChange = -1;
    bool before = covered(curve.First);
    for (int k = 0; k < samples; ++k) {
        const double t0 = curve.First + (curve.Last - curve.First) * k / samples;
        const double t1 = curve.First + (curve.Last - curve.First) * (k + 1) / samples;
        points.push_back(point(t0)), hiddenAfter.push_back(before);
        const bool after = covered(t1);
        if (after == before) continue;
        double seen = t0, changed = t1;
        for (int halving = 0; halving < 40; ++halving) {
            const double middle = (seen + changed) / 2;
            (covered(middle) == before ? seen : changed) = middle;
        }
        if (firstChange < 0) firstChange = int(points.size());
        points.push_back(point(changed)), hiddenAfter.push_back(after);
        before = after;
    }
    points.push_back(point(curve.Last));
    for (const Point2& p : points) pens.Out.Extent.Add(p);
    const int stretches = int(hiddenAfter.size());
    const int start = closed && firstChange > 0 ? firstChange : 0;
    for (int j = 0; j < stretches; ++j) {
        const int k = (start + j) % stretches;
        SheetPath& pen = hiddenAfter[k] ? pens.Hidden : pens.Visible;
        if (j == 0 || hiddenAfter[k] != hiddenAfter[(k + stretches - 1) % stretches]) pen.MoveTo(points[k]);
        pen.LineTo(points[k + 1]);
    }
}

// The centre lines of the three views: the axis and the line through the tube's two circles in the
// front and side views, the crossed lines and the tube's middle circle in the top view.
void AddCentreLines(Pens& pens, const Ring& ring, ViewKind kind, const Point2& c) {
    const double outer = ring.R + ring.r, overhang = kCentreLineOverhang * 2 * outer;
    if (kind == ViewKind::Top) {
        AddSegment(pens.Centre, c - Point2{outer + overhang, 0}, c + Point2{outer + overhang, 0});
        AddSegment(pens.Centre, c - Point2{0, outer + overhang}, c + Point2{0, outer + overhang});
        AddCircle(pens.Centre, c, ring.R);
        return;
    }
    AddSegment(pens.Centre, c - Point2{0, ring.r + overhang}, c + Point2{0, ring.r + overhang});
    AddSegment(pens.Centre, c - Point2{outer + overhang, 0}, c + Point2{outer + overhang, 0});
    for (const double side : {-ring.R, ring.R})
        AddSegment(pens.Centre, c + Point2{side, -ring.r - overhang}, c + Point2{side, ring.r + overhang});
}

}  // namespace

Sheet DrawTorus(const RoundSolid& torus, ViewKind kind, const RoundSolidLook& look) {
    const DrawingView view = MakeTextbookView(kind);
    const Ring ring{torus.BottomRadius, torus.TubeRadius};
    const Point3 centre{torus.X, (torus.Bottom + torus.Top) / 2, torus.Z};
    Pens pens;
    for (const OutlineCurve& curve : OutlineCurves(view.ProjectionDirection()))
        TraceCurve(pens, ring, curve, view, centre);
    const Point2 o = view.Project(view.ToView(centre)).At;
    if (kind != ViewKind::Oblique) {
        if (look.Auxiliary) AddCentreLines(pens, ring, kind, o);
        return pens.Finish();
    }
    // The centre O in the hole, its letter beside it, between the hole's near and far rims.
    if (look.Auxiliary || look.Labels) pens.Out.Dots.push_back(o);
    if (look.Labels) pens.Letter("O", "", o, {1, 0});
    return pens.Finish();
}

}  // namespace quarn
