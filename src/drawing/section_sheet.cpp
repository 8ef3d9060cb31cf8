#include "drawing/section_sheet.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "drawing/hidden_lines.hpp"
#include "geometry/mesh_topology.hpp"

namespace quarn {
namespace {

// The sides are split with the same tolerances as the solid's edges (hidden_lines.hpp).
// The true shape stands this share of the drawing's size to the right of the solid.
constexpr double kShapeGap = 0.3;
// The section's surface: a light blue-grey, half covering the hidden lines behind it.
constexpr double kShadeRed = 0.72, kShadeGreen = 0.8, kShadeBlue = 0.92, kShadeOpacity = 0.55;

struct Occluders {
    std::vector<Occluder> Faces;
    double Size = 0;  // of the largest mesh
};

Occluders ProjectFaces(std::span<const SolidMesh> meshes, const DrawingView& view) {
    Occluders out;
    for (int m = 0; m < int(meshes.size()); ++m) {
        const MeshTopology topology = BuildMeshTopology(meshes[m]);
        out.Size = std::max(out.Size, topology.Size);
        std::vector<Point3> viewPoints;
        for (const Point3& p : topology.Points) viewPoints.push_back(view.ToView(p));
        for (int f = 0; f < int(topology.Faces.size()); ++f) {
            const auto& c = topology.Faces[f];
            bool inFront = true;
            for (const int v : c) inFront &= !view.IsPerspective() || viewPoints[v].z >= view.NearClip();
            if (!inFront) continue;
            out.Faces.push_back({{view.Project(viewPoints[c[0]]), view.Project(viewPoints[c[1]]),
                                  view.Project(viewPoints[c[2]])},
                                 m,
                                 f,
                                 c});
        }
    }
    return out;
}

// Splits one side of the section into the pieces in front of every face and those behind one.
void DrawSide(const DrawingView& view, const OccluderGrid& grid, const Point3& from, const Point3& to,
              double depthTolerance, double shortest, SheetPath& visible, SheetPath& hidden) {
    const Point3 a3 = view.ToView(from), b3 = view.ToView(to);
    if (view.IsPerspective() && (a3.z < view.NearClip() || b3.z < view.NearClip())) return;
    const Projected a = view.Project(a3), b = view.Project(b3);
    const double length = LengthOf(b.At - a.At);
    if (length <= 0) return;
    const double nearest = std::min(a3.z, b3.z);
    const double qTolerance = view.IsPerspective() ? depthTolerance / (nearest * nearest) : depthTolerance;
    const double minLength = std::min(shortest, 0.1 * length) / length;
    const Intervals behind = MergeIntervals(
        grid.HiddenIntervals(a, b, qTolerance, [](const Occluder&) { return OccluderMargin{}; }), minLength);
    const auto at = [&](double s) { return a.At + (b.At - a.At) * s; };
    double from01 = 0;
    for (const auto& [lo, hi] : behind) {
        if (lo > from01) visible.MoveTo(at(from01)).LineTo(at(lo));
        hidden.MoveTo(at(lo)).LineTo(at(hi));
        from01 = hi;
    }
    if (from01 < 1) visible.MoveTo(at(from01)).LineTo(at(1));
}

Point2 Centroid(const std::vector<Point2>& points) {
    Point2 sum;
    for (const Point2& p : points) sum = sum + p;
    return points.empty() ? sum : sum * (1.0 / double(points.size()));
}

// "C1" as a letter with its subscript.
SheetText LetterText(const std::string& name, const Point2& at, const Point2& centre) {
    const Point2 out = at - centre;
    const double distance = LengthOf(out);
    return {TextRole::Letter, name.substr(0, 1), name.substr(1), at,
            distance > 0 ? out * (1 / distance) : Point2{0, 1}};
}

bool HasLetterAt(const Sheet& sheet, const Point2& at, double tolerance) {
    for (const SheetText& text : sheet.Texts)
        if (text.Role == TextRole::Letter && LengthOf(text.At - at) <= tolerance) return true;
    return false;
}

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The polygon that carries the name: the largest that is not a hole.
std::size_t MainPolygon(const Section& section) {
    std::size_t main = 0;
    for (std::size_t k = 0; k < section.Polygons.size(); ++k)
        if (!section.Polygons[k].Hole && section.Polygons[k].Area > section.Polygons[main].Area) main = k;
    return main;
}

// The direction the true shape is laid along: a polygon's longest side; for a faceted curve the
// principal axis of its area, so that an ellipse lies with its major axis across the page.
std::pair<Point3, Point3> BaseLine(const SectionPolygon& polygon, const Point3& normal) {
    const std::size_t n = polygon.Points.size();
    if (n <= kMostLetteredPoints) {
        const std::size_t k =
            std::size_t(std::max_element(polygon.Sides.begin(), polygon.Sides.end()) - polygon.Sides.begin());
        return {polygon.Points[k], polygon.Points[(k + 1) % n]};
    }
    Point3 u, v;
    PlaneAxes(normal, u, v);
    const Point3 origin = polygon.Points[0];
    // Second moments of the area about its centroid, from the triangles fanning out of the first point.
    double area = 0, cx = 0, cy = 0, xx = 0, yy = 0, xy = 0;
    const auto flat = [&](const Point3& p) { return Point2{DotProduct(p - origin, u), DotProduct(p - origin, v)}; };
    for (std::size_t k = 0; k < n; ++k) {
        const Point2 a = flat(polygon.Points[k]), b = flat(polygon.Points[(k + 1) % n]);
        const double cross = CrossProduct2(a, b);
        area += cross / 2;
        cx += (a.x + b.x) * cross / 6, cy += (a.y + b.y) * cross / 6;
        xx += (a.x * a.x + a.x * b.x + b.x * b.x) * cross / 12;
        yy += (a.y * a.y + a.y * b.y + b.y * b.y) * cross / 12;
        xy += (a.x * b.y + 2 * a.x * a.y + 2 * b.x * b.y + b.x * a.y) * cross / 24;
    }
    cx /= area, cy /= area;
    xx -= area * cx * cx, yy -= area * cy * cy, xy -= area * cx * cy;
    const double angle = std::atan2(2 * xy, xx - yy) / 2;
    const Point3 centre = origin + u * cx + v * cy;
    return {centre, centre + (u * std::cos(angle) + v * std::sin(angle))};
}

// The true shape in the plane, laid along its base line with the polygon above a base side.
std::vector<std::vector<Point2>> Flatten(const Section& section) {
    const auto [origin, end] = BaseLine(section.Polygons[MainPolygon(section)], section.Plane.Normal);
    const Point3 along = end - origin;
    const Point3 u = along * (1 / LengthOf(along));
    const Point3 v = CrossProduct(section.Plane.Normal, u);
    std::vector<std::vector<Point2>> flat;
    for (const SectionPolygon& polygon : section.Polygons) {
        std::vector<Point2>& points = flat.emplace_back();
        for (const Point3& p : polygon.Points)
            points.push_back({DotProduct(p - origin, u), DotProduct(p - origin, v)});
    }
    return flat;
}

void AddOutline(std::vector<PathStep>& outline, const std::vector<Point2>& points) {
    for (std::size_t k = 0; k < points.size(); ++k)
        outline.push_back({k == 0 ? PathStep::Kind::MoveTo : PathStep::Kind::LineTo, points[k], {}, {}});
    outline.push_back({PathStep::Kind::Close, points.front(), {}, {}});
}

}  // namespace

std::string SectionCaption(const DrawnSection& section) {
    std::string text = "截面：" + std::string(section.Shape.Chinese);
    if (const auto& exact = section.Exact) {
        if (exact->Radius > 0) text += " r = " + Decimal(exact->Radius);
        if (exact->SemiMajor > 0)
            text += " a = " + Decimal(exact->SemiMajor) + ", b = " + Decimal(exact->SemiMinor);
        return text + "  S = " + Decimal(exact->Area) + "（网格近似 " + Decimal(section.Cut.Area) + "）";
    }
    const std::string surd = SurdText(section.Cut.Area);
    return text + "  S " + (surd.empty() ? "≈ " : "= " + surd + " ≈ ") + Decimal(section.Cut.Area);
}

void AddSectionToSheet(Sheet& sheet, std::span<const SolidMesh> meshes, const DrawingView& view,
                       const DrawnSection& section) {
    const Box2 solid = sheet.Extent.Empty() ? sheet.Bounds() : sheet.Extent;
    const double extent = std::max({solid.Width(), solid.Height(), 1e-9});
    const Point2 below{(solid.MinX + solid.MaxX) / 2, solid.MinY - 0.12 * extent};
    if (section.Cut.Polygons.empty()) {
        sheet.Texts.push_back({TextRole::Note, section.Cut.Note, "", below, {0, -1}});
        return;
    }

    // In the solid: the shaded surface, then the outline split at the faces in front of it.
    const Occluders faces = ProjectFaces(meshes, view);
    const OccluderGrid grid(faces.Faces, kOutlineTolerance * extent);
    SheetFill& shade = sheet.Fills.emplace_back();
    shade.Red = kShadeRed, shade.Green = kShadeGreen, shade.Blue = kShadeBlue, shade.Opacity = kShadeOpacity;
    SheetPath hidden(Pen::Hidden), visible(Pen::Visible);
    const double tolerance = kOutlineTolerance * 10 * extent;
    for (std::size_t k = 0; k < section.Cut.Polygons.size(); ++k) {
        const SectionPolygon& polygon = section.Cut.Polygons[k];
        std::vector<Point2> projected;
        for (const Point3& p : polygon.Points) {
            const Point3 at = view.ToView(p);
            if (view.IsPerspective() && at.z < view.NearClip()) continue;
            projected.push_back(view.Project(at).At);
        }
        if (projected.size() >= 3) AddOutline(shade.Outline, projected);
        for (std::size_t j = 0; j < polygon.Points.size(); ++j)
            DrawSide(view, grid, polygon.Points[j], polygon.Points[(j + 1) % polygon.Points.size()],
                     kDepthTolerance * faces.Size, kShortestPiece * extent, visible, hidden);
        if (projected.size() != polygon.Points.size()) continue;
        // Outward from the solid's middle: the points lie on its surface.
        const Point2 centre{(solid.MinX + solid.MaxX) / 2, (solid.MinY + solid.MaxY) / 2};
        for (std::size_t j = 0; j < projected.size(); ++j)
            if (!section.Letters[k][j].empty() && !HasLetterAt(sheet, projected[j], tolerance))
                sheet.Texts.push_back(LetterText(section.Letters[k][j], projected[j], centre));
    }
    sheet.Paths.push_back(std::move(hidden));
    sheet.Paths.push_back(std::move(visible));

    // Beside it: the true shape at the drawing's scale, lettered; the name and area under both.
    const double scale = view.IsPerspective() && faces.Size > 0 ? extent / faces.Size : 1;
    std::vector<std::vector<Point2>> flat = Flatten(section.Cut);
    Box2 box;
    for (auto& points : flat)
        for (Point2& p : points) p = p * scale, box.Add(p);
    const Point2 offset{solid.MaxX + kShapeGap * extent - box.MinX,
                        (solid.MinY + solid.MaxY) / 2 - (box.MinY + box.MaxY) / 2};
    SheetPath shape(Pen::Visible);
    SheetFill& flatShade = sheet.Fills.emplace_back();
    flatShade.Red = kShadeRed, flatShade.Green = kShadeGreen, flatShade.Blue = kShadeBlue;
    flatShade.Opacity = kShadeOpacity;
    for (std::size_t k = 0; k < flat.size(); ++k) {
        for (Point2& p : flat[k]) p = p + offset;
        shape.AddPolyline(flat[k]).Close();
        AddOutline(flatShade.Outline, flat[k]);
        const Point2 centre = Centroid(flat[k]);
        for (std::size_t j = 0; j < flat[k].size(); ++j)
            if (!section.Letters[k][j].empty())
                sheet.Texts.push_back(LetterText(section.Letters[k][j], flat[k][j], centre));
    }
    sheet.Paths.push_back(std::move(shape));
    const Box2 placed{box.MinX + offset.x, box.MinY + offset.y, box.MaxX + offset.x, box.MaxY + offset.y};
    sheet.Extent.Add(placed);
    // Under everything drawn so far, two of its lines down at any page size: clear of the letters that
    // hang below their corners.
    const double under = std::min({placed.MinY, solid.MinY, sheet.Bounds().MinY}) - 0.05 * extent;
    SheetText caption{TextRole::Caption, SectionCaption(section), "", {(solid.MinX + placed.MaxX) / 2, under}, {0, -1}};
    caption.LinesBelow = 2;
    sheet.Texts.push_back(std::move(caption));
}

DrawnSection MakeDrawnSection(const SolidMesh& mesh, const SectionPlane& plane,
                              std::span<const LetteredCorner> corners, const std::optional<IdealSolid>& exact) {
    DrawnSection drawn;
    drawn.Cut = CutSolid(mesh, plane);
    drawn.Letters = LetterSectionPoints(drawn.Cut, corners);
    drawn.Shape = NameSection(drawn.Cut);
    if (exact)
        if (const auto placed = PlaceIdealSolid(*exact, mesh)) drawn.Exact = ExactSection(*placed, plane);
    if (drawn.Exact && drawn.Cut.Outcome == SectionOutcome::Cut) drawn.Shape = drawn.Exact->Shape;
    return drawn;
}

}  // namespace quarn
