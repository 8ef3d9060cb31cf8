#include "geometry/exact_sections.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "geometry/mesh_topology.hpp"

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Point3 kAxis{0, 1, 0};
// |cos| of the angle between the plane's normal and the axis: above 1 - this the plane is square to
// the axis, below this it runs along it.
constexpr double kSquare = 1e-12;
// Relative to the solid's size: a point this close to the plane lies in it. The solid is placed from
// the mesh's float corners, which carry about 1e-7 of its size in error.
constexpr double kOnPlane = 1e-6;
// Two angles whose sines differ by less than this are one: a plane along the slant cuts a parabola.
constexpr double kSameSlant = 1e-9;
// The mesh stands for the solid when its height and radius agree to this share.
constexpr double kSizeAgreement = 1e-3;

// Gauss-Legendre nodes and weights on [-1, 1].
struct GaussRule {
    static constexpr int kOrder = 64;
    std::array<double, kOrder> Nodes{}, Weights{};
};

const GaussRule& Gauss() {
    static const GaussRule rule = [] {
        GaussRule r;
        const int n = GaussRule::kOrder;
        for (int i = 0; i < n; ++i) {
            double x = std::cos(kPi * (i + 0.75) / (n + 0.5)), derivative = 1;
            for (int step = 0; step < 100; ++step) {
                double p0 = 1, p1 = x;
                for (int k = 2; k <= n; ++k) {
                    const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1, p1 = p2;
                }
                derivative = n * (x * p1 - p0) / (x * x - 1);
                const double dx = p1 / derivative;
                x -= dx;
                if (std::fabs(dx) < 1e-16) break;
            }
            r.Nodes[i] = x;
            r.Weights[i] = 2 / ((1 - x * x) * derivative * derivative);
        }
        return r;
    }();
    return rule;
}

// The area between the curves +-halfWidth(x) from lo to hi, where the half-width is the square root
// of a quadratic that vanishes at an end at most. Setting x = middle - half * cos(phi) makes such an
// end smooth, so the rule is exact to rounding.
template <class HalfWidth>
double AreaBetween(double lo, double hi, const HalfWidth& halfWidth) {
    const GaussRule& g = Gauss();
    const double middle = (lo + hi) / 2, half = (hi - lo) / 2;
    double sum = 0;
    for (int i = 0; i < GaussRule::kOrder; ++i) {
        const double phi = kPi / 2 * (1 + g.Nodes[i]);
        sum += g.Weights[i] * halfWidth(middle - half * std::cos(phi)) * half * std::sin(phi);
    }
    return 2 * sum * kPi / 2;
}

// sqrt(a^2 - b^2), 0 where b is the larger.
double RootOfDifference(double a, double b) {
    return std::sqrt(std::max(0.0, a * a - b * b));
}

// x with a + b x >= 0 narrows [lo, hi].
void KeepNonNegative(double a, double b, double& lo, double& hi) {
    if (b > 0)
        lo = std::max(lo, -a / b);
    else if (b < 0)
        hi = std::min(hi, -a / b);
    else if (a < 0)
        hi = lo - 1;
}

ExactCut Named(SectionShapeId shape) {
    ExactCut cut;
    cut.Shape = ShapeOf(shape);
    return cut;
}

std::optional<ExactCut> CutSphere(const PlacedSolid& solid, const SectionPlane& plane) {
    const double r = solid.Solid.A, d = PlaneDistance(plane, solid.Base);
    if (std::fabs(d) >= r * (1 - kOnPlane)) return std::nullopt;
    ExactCut cut = Named(SectionShapeId::Circle);
    cut.Radius = std::sqrt(r * r - d * d);
    cut.Centre = solid.Base - plane.Normal * d;
    cut.Area = kPi * cut.Radius * cut.Radius;
    return cut;
}

// A cone, a cone frustum or a cylinder: radius r0 + k t at the height t from 0 to h above the base.
struct Round {
    double R0 = 0, K = 0, H = 0;
    bool Apex = false;  // a cone: the radius reaches 0 at the top
    double RadiusAt(double t) const { return R0 + K * t; }
};

std::optional<ExactCut> CutRound(const PlacedSolid& solid, const Round& round, const SectionPlane& plane) {
    const Point3& b = solid.Base;
    const double size = std::max(round.R0, round.H);
    const double cosine = DotProduct(plane.Normal, kAxis);
    const double offset = DotProduct(plane.Normal, plane.Point - b);
    if (std::fabs(cosine) >= 1 - kSquare) {
        // Square to the axis: a circle at the plane's height.
        const double t = offset / cosine;
        if (t < -kOnPlane * size || t > round.H * (1 + kOnPlane)) return std::nullopt;
        const double radius = round.RadiusAt(std::clamp(t, 0.0, round.H));
        if (radius <= kOnPlane * size) return std::nullopt;
        ExactCut cut = Named(SectionShapeId::Circle);
        cut.Radius = radius;
        cut.Centre = b + kAxis * t;
        cut.Area = kPi * radius * radius;
        return cut;
    }
    if (std::fabs(cosine) <= kSquare) {
        // Along the axis at the distance d: the half-width at the height t is sqrt(r(t)^2 - d^2).
        const double d = std::fabs(offset);
        double lo = 0, hi = round.H;
        KeepNonNegative(round.R0 - d, round.K, lo, hi);
        if (hi - lo <= kOnPlane * size) return std::nullopt;
        if (round.K == 0) {
            ExactCut cut = Named(SectionShapeId::Rectangle);
            cut.Width = 2 * RootOfDifference(round.R0, d), cut.Height = round.H;
            cut.Area = cut.Width * cut.Height;
            return cut;
        }
        if (round.Apex && d <= kOnPlane * size) {
            ExactCut cut = Named(SectionShapeId::IsoscelesTriangle);
            cut.Width = 2 * round.R0, cut.Height = round.H;
            cut.Area = round.R0 * round.H;
            return cut;
        }
        // Through a frustum's axis: its two slant sides and the two base diameters.
        ExactCut cut = Named(d <= kOnPlane * size ? SectionShapeId::IsoscelesTrapezoid
                                                  : SectionShapeId::HyperbolaSegment);
        if (cut.Shape.Shape == SectionShapeId::IsoscelesTrapezoid)
            cut.Width = 2 * round.R0, cut.Height = round.H;
        cut.Area = AreaBetween(lo, hi, [&](double t) { return RootOfDifference(round.RadiusAt(t), d); });
        return cut;
    }

    // Slanting: a point x along the plane's steepest horizontal direction e1 from the axis (and any
    // distance along e2 across it) lies in the plane at the height t(x) = t0 + t1 x. Seen along the
    // axis the section is |y| <= sqrt(L(x)^2 - x^2) with L(x) = r(t(x)), and its area is that seen
    // area over |cos|.
    const Point3 horizontal = plane.Normal - kAxis * cosine;
    const double slope = LengthOf(horizontal);
    const Point3 e1 = horizontal * (1 / slope);
    const double t0 = offset / cosine, t1 = -slope / cosine;
    const double l0 = round.R0 + round.K * t0, l1 = round.K * t1;
    // Inside the surface: |x| <= L(x); between base and top: 0 <= t(x) <= h.
    double lo = -INFINITY, hi = INFINITY;
    KeepNonNegative(l0, l1 - 1, lo, hi);
    KeepNonNegative(l0, l1 + 1, lo, hi);
    const double insideLo = lo, insideHi = hi;
    KeepNonNegative(t0, t1, lo, hi);
    KeepNonNegative(round.H - t0, -t1, lo, hi);
    if (!(hi - lo > kOnPlane * size)) return std::nullopt;
    const double seen = AreaBetween(lo, hi, [&](double x) { return RootOfDifference(l0 + l1 * x, x); });
    const double area = seen / std::fabs(cosine);
    if (area <= kOnPlane * size * size) return std::nullopt;

    const Point3 apex = b + kAxis * round.H;
    const double slantSine = std::fabs(round.K) / std::sqrt(1 + round.K * round.K);
    const double planeSine = std::fabs(cosine);  // of the angle between the plane and the axis
    const bool whole = insideLo >= lo && insideHi <= hi && std::isfinite(insideLo) && std::isfinite(insideHi);
    ExactCut cut;
    if (round.Apex && std::fabs(PlaneDistance(plane, apex)) <= kOnPlane * size) {
        // Through the apex, steeper than the slant: two generators and the chord of the base.
        cut = Named(SectionShapeId::IsoscelesTriangle);
        const double x0 = -t0 / t1;
        cut.Width = 2 * RootOfDifference(round.R0, x0);
        cut.Height = LengthOf(apex - (b + e1 * x0));
        cut.Area = cut.Width * cut.Height / 2;
        return cut;
    }
    if (round.K == 0 || planeSine > slantSine + kSameSlant) {
        cut = Named(whole ? SectionShapeId::Ellipse : SectionShapeId::EllipseSegment);
        // The ellipse's axes: along e1 its seen length over |cos|, across it the widest half-width.
        const double xv = round.K == 0 ? 0 : -l0 * l1 / (l1 * l1 - 1);
        const double lv = l0 + l1 * xv;
        cut.SemiMajor = (insideHi - insideLo) / 2 / std::fabs(cosine);
        cut.SemiMinor = RootOfDifference(lv, xv);
        const double xc = (insideLo + insideHi) / 2;
        cut.Centre = b + e1 * xc + kAxis * (t0 + t1 * xc);
        cut.Area = whole ? kPi * cut.SemiMajor * cut.SemiMinor : area;
        return cut;
    }
    cut = Named(planeSine >= slantSine - kSameSlant ? SectionShapeId::ParabolaSegment
                                                    : SectionShapeId::HyperbolaSegment);
    cut.Area = area;
    return cut;
}

}  // namespace

std::optional<PlacedSolid> PlaceIdealSolid(const IdealSolid& solid, const SolidMesh& mesh) {
    const IdealShape shape = solid.Shape;
    if (shape != IdealShape::Sphere && shape != IdealShape::Cone && shape != IdealShape::Cylinder &&
        shape != IdealShape::ConeFrustum)
        return std::nullopt;
    const MeshTopology topology = BuildMeshTopology(mesh);
    if (topology.Points.empty()) return std::nullopt;
    double low = INFINITY, high = -INFINITY;
    for (const Point3& p : topology.Points) low = std::min(low, p.y), high = std::max(high, p.y);
    const double height = shape == IdealShape::Sphere        ? 2 * solid.A
                          : shape == IdealShape::ConeFrustum ? solid.C
                                                             : solid.B;
    if (std::fabs((high - low) - height) > kSizeAgreement * height) return std::nullopt;
    // The base's corners round the axis (a sphere's lowest ring or pole) give the axis.
    Point3 middle;
    int count = 0;
    for (const Point3& p : topology.Points)
        if (p.y - low <= kSizeAgreement * height) middle = middle + p, ++count;
    middle = middle * (1.0 / count);
    PlacedSolid placed{solid, {middle.x, low, middle.z}};
    if (shape == IdealShape::Sphere) placed.Base.y = (low + high) / 2;
    return placed;
}

std::optional<ExactCut> ExactSection(const PlacedSolid& solid, const SectionPlane& plane) {
    const IdealSolid& s = solid.Solid;
    switch (s.Shape) {
        case IdealShape::Sphere:
            return CutSphere(solid, plane);
        case IdealShape::Cone:
            return CutRound(solid, {s.A, -s.A / s.B, s.B, true}, plane);
        case IdealShape::Cylinder:
            return CutRound(solid, {s.A, 0, s.B, false}, plane);
        case IdealShape::ConeFrustum:
            return CutRound(solid, {s.A, (s.B - s.A) / s.C, s.C, false}, plane);
        default:
            return std::nullopt;
    }
}

}  // namespace quarn
