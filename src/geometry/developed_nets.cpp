#include "geometry/developed_nets.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <array>
#include <set>

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kGores = 12;
constexpr int kGoreRows = 24;

struct Placement {
    DevelopedFrame Frame;
    int RimCount = 0;  // vertices of the mesh round its base rim
};

// The base centre (a sphere's centre), and the direction opposite the mesh's first base-rim vertex,
// so that the seam of the development runs through the mesh's own seam.
Placement PlaceSolid(const IdealSolid& solid, const SolidMesh& mesh) {
    Placement placement;
    DevelopedFrame& frame = placement.Frame;
    frame.Solid = solid;
    // Every ring of a round solid's mesh is a regular polygon about the axis, so the mean of the distinct
    // vertices lies on the axis (the box's middle does not when the facets are odd in number).
    std::set<std::array<long, 3>> distinct;
    Point3 sum;
    double minY = INFINITY, maxY = -INFINITY;
    for (const Point3& p : mesh.Points) {
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        if (distinct.insert({std::lround(p.x * 1e4), std::lround(p.y * 1e4), std::lround(p.z * 1e4)}).second)
            sum = sum + p;
    }
    if (mesh.Points.empty()) minY = maxY = 0;
    const Point3 mean = distinct.empty() ? Point3{} : sum * (1.0 / distinct.size());
    frame.Base = {mean.x, solid.Shape == IdealShape::Sphere ? (minY + maxY) / 2 : minY, mean.z};
    const double radius = solid.A, tolerance = 1e-3 * std::max(radius, 1e-9);
    const double rimY = solid.Shape == IdealShape::Sphere ? frame.Base.y : minY;
    std::set<long> angles;
    bool seamFound = false;
    for (const Point3& p : mesh.Points) {
        const double dx = p.x - frame.Base.x, dz = p.z - frame.Base.z;
        if (std::fabs(p.y - rimY) > tolerance || std::fabs(std::hypot(dx, dz) - radius) > tolerance) continue;
        if (!seamFound) {
            frame.Toward = Point3{-dx, 0, -dz} * (1 / std::hypot(dx, dz));
            seamFound = true;
        }
        angles.insert(std::lround(std::atan2(dz, dx) * 1e4));
    }
    placement.RimCount = int(angles.size());
    return placement;
}

// Angles round the axis from the direction the parts hang from, -π (the seam) to π, through every
// rim vertex of the mesh.
std::vector<double> RimAngles(int rimCount) {
    const int n = rimCount >= 3 ? rimCount : 64;
    const int steps = n * std::max(1, (64 + n - 1) / n);
    std::vector<double> angles;
    for (int k = 0; k <= steps; ++k) angles.push_back(-kPi + 2 * kPi * k / steps);
    return angles;
}

NetPart Disc(const Point2& centre, double radius, double sign, const std::vector<double>& angles, bool top) {
    NetPart disc;
    disc.Shape = PartShape::Disc;
    disc.Radius = radius;
    disc.Angle = 2 * kPi;
    disc.Centre = centre;
    disc.Top = top;
    for (std::size_t k = 0; k + 1 < angles.size(); ++k)
        disc.Outline.push_back(centre + Point2{std::sin(angles[k]), sign * std::cos(angles[k])} * radius);
    if (SignedArea(disc.Outline) < 0) std::reverse(disc.Outline.begin(), disc.Outline.end());
    disc.Cover.Points = disc.Outline;
    disc.Cover.Points.push_back(centre);
    const int n = int(disc.Outline.size());
    for (int k = 0; k < n; ++k) disc.Cover.Triangles.push_back({n, k, (k + 1) % n});
    return disc;
}

void Cylinder(SolidNet& net, const std::vector<double>& angles) {
    const double r = net.Frame.Solid.A, h = net.Frame.Solid.B, width = 2 * kPi * r, middle = width / 2;
    NetPart side;
    side.Shape = PartShape::Rectangle;
    side.Width = width, side.Height = h;
    std::vector<Point2> bottom, top;
    for (const double a : angles) bottom.push_back({middle + r * a, 0}), top.push_back({middle + r * a, h});
    side.Outline = bottom;
    side.Outline.insert(side.Outline.end(), top.rbegin(), top.rend());
    side.Cover.Points = bottom;
    side.Cover.Points.insert(side.Cover.Points.end(), top.begin(), top.end());
    const int n = int(bottom.size());
    for (int k = 0; k + 1 < n; ++k) {
        side.Cover.Triangles.push_back({k, k + 1, n + k + 1});
        side.Cover.Triangles.push_back({k, n + k + 1, n + k});
    }
    net.Parts = {side, Disc({middle, -r}, r, 1, angles, false), Disc({middle, h + r}, r, -1, angles, true)};
    net.Cuts.push_back({{0, n - 1}, {0, 2 * n - 1}, 1, {Point2{width, 0}, Point2{width, h}}, {Point2{0, h}, Point2{0, 0}}});
    net.Layout = "cylinder";
}

// A sector of the circle about the origin from radius inner (0: to the apex) to outer, its middle ray
// along -y, covering the angles a·scale.
NetPart Sector(double outer, double inner, double scale, const std::vector<double>& angles) {
    NetPart part;
    part.Shape = inner > 0 ? PartShape::AnnularSector : PartShape::Sector;
    part.Radius = outer, part.InnerRadius = inner;
    part.Angle = 2 * kPi * scale;
    auto at = [](double radius, double a) { return Point2{radius * std::sin(a), -radius * std::cos(a)}; };
    std::vector<Point2> arc, innerArc;
    for (const double a : angles) arc.push_back(at(outer, a * scale)), innerArc.push_back(at(inner, a * scale));
    const int n = int(arc.size());
    if (inner > 0) {
        part.Outline = arc;
        part.Outline.insert(part.Outline.end(), innerArc.rbegin(), innerArc.rend());
        part.Cover.Points = arc;
        part.Cover.Points.insert(part.Cover.Points.end(), innerArc.begin(), innerArc.end());
        for (int k = 0; k + 1 < n; ++k) {
            part.Cover.Triangles.push_back({k, k + 1, n + k + 1});
            part.Cover.Triangles.push_back({k, n + k + 1, n + k});
        }
    } else {
        part.Outline = {Point2{0, 0}};
        part.Outline.insert(part.Outline.end(), arc.begin(), arc.end());
        part.Cover.Points = part.Outline;
        for (int k = 1; k < n; ++k) part.Cover.Triangles.push_back({0, k, k + 1});
    }
    return part;
}

void ConeOrFrustum(SolidNet& net, const std::vector<double>& angles) {
    const IdealSolid& s = net.Frame.Solid;
    const bool frustum = s.Shape == IdealShape::ConeFrustum;
    const double r1 = s.A, r2 = frustum ? s.B : 0, h = frustum ? s.C : s.B;
    const double slant = std::hypot(h, r1 - r2);
    const double outer = r1 * slant / (r1 - r2), inner = r2 * slant / (r1 - r2);
    const double scale = (r1 - r2) / slant;  // the sector's angle over 2π
    NetPart side = Sector(outer, inner, scale, angles);
    net.Parts = {side, Disc({0, -outer - r1}, r1, 1, angles, false)};
    if (frustum) net.Parts.push_back(Disc({0, -inner + r2}, r2, -1, angles, true));
    const double half = kPi * scale;
    const Point2 rightOuter{outer * std::sin(half), -outer * std::cos(half)};
    const Point2 rightInner{inner * std::sin(half), -inner * std::cos(half)};
    const Point2 leftOuter{-rightOuter.x, rightOuter.y}, leftInner{-rightInner.x, rightInner.y};
    const int n = int(angles.size());
    const NetEdge right{0, frustum ? n - 1 : n}, left{0, frustum ? 2 * n - 1 : 0};
    net.Cuts.push_back({right, left, 1, {rightOuter, rightInner}, {leftInner, leftOuter}});
    net.Layout = frustum ? "cone frustum" : "cone";
}

void Gores(SolidNet& net, bool hemisphere) {
    const double r = net.Frame.Solid.A, width = 2 * kPi * r / kGores;
    const double south = hemisphere ? 0 : -kPi * r / 2, north = kPi * r / 2;
    const int rows = hemisphere ? kGoreRows / 2 : kGoreRows;
    net.Frame.Gores = kGores;
    for (int g = 0; g < kGores; ++g) {
        NetPart gore;
        gore.Shape = PartShape::Gore;
        gore.Width = width, gore.Height = north - south;
        const double middle = (g + 0.5) * width - kPi * r;
        gore.Centre = {middle, (south + north) / 2};
        std::vector<Point2> left, right;
        for (int j = 0; j <= rows; ++j) {
            const double y = south + (north - south) * j / rows;
            const double half = width / 2 * std::cos(y / r);
            left.push_back({middle - half, y}), right.push_back({middle + half, y});
        }
        // The poles are single points.
        if (!hemisphere) gore.Outline.push_back({middle, south});
        else gore.Outline.push_back(left.front());
        for (int j = hemisphere ? 0 : 1; j < rows; ++j) gore.Outline.push_back(right[j]);
        gore.Outline.push_back({middle, north});
        for (int j = rows - 1; j >= 1; --j) gore.Outline.push_back(left[j]);
        for (int j = 0; j <= rows; ++j) {
            const double y = left[j].y;
            gore.Cover.Points.push_back(left[j]);
            gore.Cover.Points.push_back({middle, y});
            gore.Cover.Points.push_back(right[j]);
        }
        for (int j = 0; j < rows; ++j) {
            const int a = 3 * j, b = 3 * (j + 1);
            for (int c = 0; c < 2; ++c) {
                gore.Cover.Triangles.push_back({a + c, a + c + 1, b + c + 1});
                gore.Cover.Triangles.push_back({a + c, b + c + 1, b + c});
            }
        }
        net.Parts.push_back(gore);
    }
    if (hemisphere) net.Parts.push_back(Disc({0, -r}, r, 1, RimAngles(64), false));
    net.Approximate = true;
    net.Layout = hemisphere ? "hemisphere gores" : "sphere gores";
}

}  // namespace

bool IsDevelopedShape(IdealShape shape) {
    return shape == IdealShape::Cylinder || shape == IdealShape::Cone || shape == IdealShape::ConeFrustum ||
           shape == IdealShape::Sphere || shape == IdealShape::Hemisphere;
}

SolidNet DevelopSolid(const IdealSolid& solid, const SolidMesh& mesh) {
    switch (solid.Shape) {
        case IdealShape::Torus:
            throw NetError("a torus has no net: its surface is curved in two directions and cannot be "
                           "flattened without stretching");
        case IdealShape::Square:
            throw NetError("a plane is a flat surface, not a solid: it is already flat and has no net");
        case IdealShape::CylinderSector:
            throw NetError("the cylinder sector is an open surface (its cut sides are missing), so it has "
                           "no net");
        default:
            break;
    }
    if (!IsDevelopedShape(solid.Shape)) throw NetError("this solid is unfolded face by face, not developed");
    if (!(solid.A > 0) || (solid.Shape != IdealShape::Sphere && solid.Shape != IdealShape::Hemisphere && !(solid.B > 0)) ||
        (solid.Shape == IdealShape::ConeFrustum && !(solid.C > 0 && solid.B < solid.A)))
        throw NetError("the solid's sizes do not describe a solid");
    const Placement placement = PlaceSolid(solid, mesh);
    SolidNet net;
    net.Kind = NetKind::Developed;
    net.Frame = placement.Frame;
    const std::vector<double> angles = RimAngles(placement.RimCount);
    switch (solid.Shape) {
        case IdealShape::Cylinder:
            Cylinder(net, angles);
            break;
        case IdealShape::Cone:
        case IdealShape::ConeFrustum:
            ConeOrFrustum(net, angles);
            break;
        default:
            Gores(net, solid.Shape == IdealShape::Hemisphere);
            break;
    }
    net.Area = MeasureIdealSolid(solid).SurfaceArea;
    return net;
}

}  // namespace quarn
