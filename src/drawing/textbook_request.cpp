#include "drawing/textbook_request.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/round_solids.hpp"
#include "drawing/textbook_sheet.hpp"
#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"
#include "geometry/vertex_labels.hpp"

namespace quarn {
namespace {

// Space between the views, and from a view down to its caption, as shares of the largest view.
constexpr double kViewGap = 0.35;
constexpr double kCaptionDrop = 0.1;

bool IsRegularPolyhedron(IdealShape shape) {
    return shape == IdealShape::Box || shape == IdealShape::Prism || shape == IdealShape::Pyramid ||
           shape == IdealShape::Frustum;
}

Point3 Turned(const Point3& p, const Point3& centre, double angle) {
    const double c = std::cos(angle), s = std::sin(angle), x = p.x - centre.x, z = p.z - centre.z;
    return {centre.x + x * c - z * s, p.y, centre.z + x * s + z * c};
}

// The turn about the vertical (from +x towards +z) that brings the edge from corner A to corner B
// across the front, parallel to the picture plane; 0 when the mesh has no such corners.
double TurnToFront(const SolidMesh& mesh, double featureAngle) {
    const MeshTopology topology = BuildMeshTopology(mesh);
    const std::vector<CornerName> names =
        NamePolyhedronCorners(topology, MergeCoplanarFaces(topology), ClassifyEdges(topology, featureAngle));
    const Point3 *a = nullptr, *b = nullptr;
    for (const CornerName& n : names)
        if (n.Subscript == 0 && (n.Letter == 'A' || n.Letter == 'B'))
            (n.Letter == 'A' ? a : b) = &topology.Points[n.Vertex];
    if (a == nullptr || b == nullptr) return 0;
    // The base runs counter-clockwise seen from above, so AB pointing along +x lies at the front (-z).
    const double turn = -std::atan2(b->z - a->z, b->x - a->x);
    return std::fabs(turn) < 1e-9 ? 0 : turn;
}

// The centres of the lowest and the highest level of the mesh's points, and how many points each has.
struct Levels {
    Point3 Low, High;
    int LowCount = 0, HighCount = 0;
};

Levels LevelsOf(const SolidMesh& mesh) {
    // Welded, so that a corner shared by many triangles counts once.
    const std::vector<Point3> points = BuildMeshTopology(mesh).Points;
    double bottom = INFINITY, top = -INFINITY;
    for (const Point3& p : points) bottom = std::min(bottom, p.y), top = std::max(top, p.y);
    const double tolerance = 1e-6 * std::max(1.0, top - bottom);
    Levels levels;
    for (const Point3& p : points) {
        if (std::fabs(p.y - bottom) <= tolerance) levels.Low = levels.Low + p, ++levels.LowCount;
        if (std::fabs(p.y - top) <= tolerance) levels.High = levels.High + p, ++levels.HighCount;
    }
    if (levels.LowCount > 0) levels.Low = levels.Low * (1.0 / levels.LowCount);
    if (levels.HighCount > 0) levels.High = levels.High * (1.0 / levels.HighCount);
    return levels;
}

// A pyramid's height PO or a frustum's axis OO1, dashed inside the solid, with the centre O of the base
// (and O1 of the top) marked.
void AddPolyhedronAids(Sheet& sheet, const SolidMesh& mesh, IdealShape shape, const DrawingView& view,
                       bool labels) {
    if (shape != IdealShape::Pyramid && shape != IdealShape::Frustum) return;
    const Levels levels = LevelsOf(mesh);
    if (levels.LowCount == 0 || levels.HighCount == 0) return;
    const auto drawn = [&](const Point3& p) { return view.Project(view.ToView(p)).At; };
    const Point3 base{levels.Low.x, levels.Low.y, levels.Low.z};
    const Point3 top{base.x, levels.High.y, base.z};
    const Point2 o = drawn(base), o1 = drawn(top);
    sheet.Paths.emplace_back(Pen::Hidden).MoveTo(o).LineTo(o1);
    sheet.Dots.push_back(o);
    if (shape == IdealShape::Frustum) sheet.Dots.push_back(o1);
    if (!labels) return;
    sheet.Texts.push_back({TextRole::Letter, "O", "", o, {0.6, -0.8}});
    if (shape == IdealShape::Frustum) sheet.Texts.push_back({TextRole::Letter, "O", "1", o1, {0.6, 0.8}});
}

// One view of the request's solid as a teacher draws it.
class TeacherDrawing {
  public:
    TeacherDrawing(std::span<const SolidMesh> meshes, const TextbookRequest& request)
        : request_(request), asBuilt_(meshes) {
        drawing_.Labels = request.Labels;
        if (request.Polyhedral) drawing_.FeatureAngleDegrees = 0;
        meshes_.assign(meshes.begin(), meshes.end());
        if (!request.Exact || meshes_.size() != 1) return;
        shape_ = request.Exact->Shape;
        round_ = PlaceRoundSolid(*request.Exact, meshes_[0]);
        if (!IsRegularPolyhedron(shape_)) return;
        polyhedron_ = true;
        const double turn = TurnToFront(meshes_[0], drawing_.FeatureAngleDegrees);
        if (turn == 0) return;
        // Round the middle of the mesh, so that it stays where it was.
        Box2 plan;
        for (const Point3& p : meshes_[0].Points) plan.Add(Point2{p.x, p.z});
        const Point3 centre{(plan.MinX + plan.MaxX) / 2, 0, (plan.MinY + plan.MaxY) / 2};
        for (Point3& p : meshes_[0].Points) p = Turned(p, centre, turn);
        drawing_.LetterTurn = turn;
        turn_ = turn;
        turnCentre_ = centre;
    }

    // The section drawn into a single view, turned with the solid so that it stays where it cuts.
    void AddSection(Sheet& sheet, ViewKind kind, const DrawingView& view, DrawnSection section) const {
        if (kind == ViewKind::Orbit) return AddSectionToSheet(sheet, asBuilt_, view, section);
        for (SectionPolygon& polygon : section.Cut.Polygons)
            for (Point3& p : polygon.Points) p = Turned(p, turnCentre_, turn_);
        AddSectionToSheet(sheet, meshes_, view, section);
    }

    Sheet Draw(ViewKind kind, const DrawingView& view) const {
        // The camera's view shows the mesh as the frame does.
        if (kind == ViewKind::Orbit) {
            DrawingOptions options = drawing_;
            options.LetterTurn = 0;
            return ToSheet(MakeSingleViewSheet(DrawSolidEdges(asBuilt_, view, options)));
        }
        if (round_) return DrawRoundSolid(*round_, kind, {request_.Labels, request_.Auxiliary});
        Sheet sheet = ToSheet(MakeSingleViewSheet(DrawSolidEdges(meshes_, view, drawing_)));
        if (polyhedron_ && kind == ViewKind::Oblique && request_.Auxiliary)
            AddPolyhedronAids(sheet, meshes_[0], shape_, view, request_.Labels);
        return sheet;
    }

  private:
    const TextbookRequest& request_;
    std::span<const SolidMesh> asBuilt_;
    DrawingOptions drawing_;
    std::vector<SolidMesh> meshes_;
    IdealShape shape_ = IdealShape::Box;
    std::optional<RoundSolid> round_;
    bool polyhedron_ = false;
    double turn_ = 0;
    Point3 turnCentre_{};
};

void Append(Sheet& to, const Sheet& part, const Point2& offset) {
    const auto moved = [&](std::vector<PathStep> steps) {
        for (PathStep& step : steps) step.To = step.To + offset, step.Control1 = step.Control1 + offset,
                                     step.Control2 = step.Control2 + offset;
        return steps;
    };
    for (const SheetFill& fill : part.Fills) to.Fills.push_back({moved(fill.Outline), fill.Red, fill.Green, fill.Blue, fill.Opacity});
    for (const SheetPath& path : part.Paths) to.Paths.emplace_back(path.Stroke).Steps = moved(path.Steps);
    for (const Point2& dot : part.Dots) to.Dots.push_back(dot + offset);
    for (SheetText text : part.Texts) text.At = text.At + offset, to.Texts.push_back(std::move(text));
    if (!part.Extent.Empty())
        to.Extent.Add(Point2{part.Extent.MinX, part.Extent.MinY} + offset),
            to.Extent.Add(Point2{part.Extent.MaxX, part.Extent.MaxY} + offset);
}

// The front view top left, the side view to its right at the same heights, the top view below it at
// the same widths, each with its caption under it.
Sheet ArrangeThreeViews(const TeacherDrawing& drawing, CaptionLanguage language) {
    const ViewKind kinds[] = {ViewKind::Front, ViewKind::Side, ViewKind::Top};
    const char* chinese[] = {"主视图", "左视图", "俯视图"};
    const char* english[] = {"front view", "side view", "top view"};
    Sheet views[3];
    for (int k = 0; k < 3; ++k) {
        views[k] = drawing.Draw(kinds[k], MakeTextbookView(kinds[k]));
        // Three views carry no corner letters: corners one behind the other would print theirs on
        // top of each other.
        std::erase_if(views[k].Texts, [](const SheetText& t) { return t.Role == TextRole::Letter; });
    }
    const Box2 f = views[0].Extent, s = views[1].Extent, t = views[2].Extent;
    if (f.Empty()) return views[0];
    const double largest = std::max({f.Width(), f.Height(), s.Width(), t.Height()});
    const double gap = kViewGap * largest;
    const Point2 offsets[] = {{0, 0}, {f.MaxX + gap - s.MinX, 0}, {0, f.MinY - gap - t.MaxY}};
    Sheet sheet;
    for (int k = 0; k < 3; ++k) {
        Append(sheet, views[k], offsets[k]);
        const Box2& e = views[k].Extent;
        if (e.Empty()) continue;
        // Under everything the view draws, centre lines included.
        const Point2 under{(e.MinX + e.MaxX) / 2, views[k].Bounds().MinY - kCaptionDrop * largest};
        sheet.Texts.push_back({TextRole::Caption, language == CaptionLanguage::English ? english[k] : chinese[k], "",
                               under + offsets[k], {0, -1}});
    }
    return sheet;
}

Sheet MakeAsBuiltSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request) {
    DrawingOptions drawing;
    drawing.Labels = request.Labels;
    if (request.Polyhedral) drawing.FeatureAngleDegrees = 0;
    if (request.ThreeViews) return ToSheet(MakeThreeViewSheet(meshes, drawing));
    const DrawingView view = request.View == ViewKind::Orbit ? request.OrbitView : MakeTextbookView(request.View);
    Sheet sheet = ToSheet(MakeSingleViewSheet(DrawSolidEdges(meshes, view, drawing)));
    if (request.Section) AddSectionToSheet(sheet, meshes, view, *request.Section);
    return sheet;
}

}  // namespace

Sheet MakeTextbookSheet(std::span<const SolidMesh> meshes, const TextbookRequest& request) {
    if (request.AsBuilt) return MakeAsBuiltSheet(meshes, request);
    const TeacherDrawing drawing(meshes, request);
    if (request.ThreeViews) return ArrangeThreeViews(drawing, request.Language);
    const DrawingView view = request.View == ViewKind::Orbit ? request.OrbitView : MakeTextbookView(request.View);
    Sheet sheet = drawing.Draw(request.View, view);
    if (request.Section) drawing.AddSection(sheet, request.View, view, *request.Section);
    return sheet;
}

}  // namespace quarn
