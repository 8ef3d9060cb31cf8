#include "worksheet/worksheet.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "drawing/net_sheet.hpp"
#include "math/constants.hpp"
#include "geometry/feature_edges.hpp"
#include "geometry/net_folding.hpp"
#include "geometry/solid_mesh.hpp"
#include "geometry/vertex_labels.hpp"
#include "render/draw_list.hpp"
#include "render/draw_style_codes.hpp"
#include "render/frame_pipeline.hpp"
#include "scene/scene.hpp"
#include "worksheet/worksheet_language.hpp"
#include "worksheet/worksheet_sheets.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr std::int32_t kViewBackColor = 245 + 245 * 256 + 240 * 65536;
constexpr std::int32_t kNetColor = 250 + 210 * 256 + 120 * 65536;  // a paper-like light orange
constexpr double kEdgeReach = 5;   // pixels from an edge's line that count as pointing at it
constexpr double kPointReach = 8;  // pixels from a corner or midpoint that count as clicking it
constexpr double kTurnPerPixel = 0.01;
constexpr double kLightFarther = 1e4;  // the light's distance from the target, in camera distances
constexpr int kRealisticStyle = kStyleFlatShaded;

// Why an exact solid that has no net has none, in Chinese; empty for the others, whose reason comes
// from their mesh.
std::string_view ChineseNoNetReason(IdealShape shape) {
    switch (shape) {
        case IdealShape::Torus: return "环面在两个方向上弯曲，不拉伸就不能展平";
        case IdealShape::Square: return "平面本身是平的，不是立体";
        case IdealShape::CylinderSector: return "圆柱扇形是开放的曲面（缺少两个切面）";
        default: return {};
    }
}


double DistanceToSegment(double x, double y, const Vector3D& a, const Vector3D& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// A line over the view, width pixels wide across its run.
void DrawThickLine(Canvas& canvas, const Vector3D& a, const Vector3D& b, int width) {
    const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
    for (int shift = -(width / 2); shift <= width / 2; ++shift) {
        const int ox = steep ? shift : 0, oy = steep ? 0 : shift;
        canvas.MoveToEx(static_cast<int>(std::lround(a.x)) + ox, static_cast<int>(std::lround(a.y)) + oy);
        canvas.LineTo(static_cast<int>(std::lround(b.x)) + ox, static_cast<int>(std::lround(b.y)) + oy);
    }
}

// Why a plane through the solid gives no section.
std::string MissedSectionText(const Section& cut, CaptionLanguage language) {
    if (cut.Outcome == SectionOutcome::Touch)
        return Say(language, "平面只在棱上或顶点处与立体相接，没有截面", "{}", {cut.Note});
    return Say(language, "平面与立体不相交，没有截面", "{}", {cut.Note});
}

// The farthest any point lies from the camera's target.
double Reach(const std::vector<Point3>& points, const Point3& target = {}) {
    double reach = 0;
    for (const Point3& p : points) reach = std::max(reach, LengthOf(p - target));
    return reach;
}

}  // namespace

PageSize WorksheetPage(SheetFormat format, int dpi) {
    PageSize page{842, 595, 1};  // A4 landscape
    if (format == SheetFormat::Png) page.PixelsPerPoint = std::max(dpi, 1) / 72.0;
    return page;
}

Worksheet::Worksheet() {
    ResetScene();  // the worksheet owns the program's one scene
    InitEngine();
    SceneStore& s = Scene();
    s.CurrentCamera = CreateCamera();
    s.Cameras[s.CurrentCamera].OrthoScale = 1.0f;
    s.Cameras[s.CurrentCamera].DrawStyle = kRealisticStyle;
    s.CurrentLight = CreateLight();
    SolidSource start;
    start.Family = StartingSolid(SchoolFamily::Cuboid);
    Place(start);
}

void Worksheet::RemoveNetMesh() {
    if (netMesh_ != 0 && MeshExists(netMesh_)) DeleteMesh(netMesh_);  // stored last: no mesh moves
    netMesh_ = 0;
    netFold_ = -1;
    if (MeshExists(mesh_)) Scene().Meshes[mesh_].Visible = true;
    viewDirty_ = true;
}

void Worksheet::EnsureNet() {
    if (netTried_ || !MeshExists(mesh_)) return;
    netTried_ = true;
    try {
        NetSource source;
        source.Mesh = ReadSceneMesh(mesh_);
        source.Exact = placed_.Exact;
        source.LetterFeatureAngleDegrees = placed_.Polyhedral ? 0 : kDefaultFeatureAngleDegrees;
        net_ = UnfoldSolid(source);
    } catch (const NetError& error) {
        const std::string_view chinese =
            placed_.Exact && Language() == CaptionLanguage::Chinese ? ChineseNoNetReason(placed_.Exact->Shape) : "";
        netError_ = chinese.empty() ? std::string(error.what()) : std::string(chinese);
    }
}

bool Worksheet::Place(const SolidSource& source) {
    ++solidRevision_;  // even a refused source has rebuilt the scene
    RemoveNetMesh();
    solidDrawn_ = false;  // the screen points are the old solid's until the next frame
    net_.reset();
    netError_.clear();
    netTried_ = false;
    ShownSolid placed = PlaceSource(source, Language());
    if (!placed.Built) {
        status_ = placed.Error;
        // A refused model has already emptied the scene: show the solid that was there before.
        if (source.Kind == SourceKind::Model && Scene().MeshSlots.Count == 0 && placed_.Built)
            PlaceSource(doc_.Source, Language());
        mesh_ = Scene().CurrentMesh;
        SheetChanged();
        return false;
    }
    doc_.Source = source;
    placed_ = placed;
    mesh_ = Scene().CurrentMesh;
    Study();
    FitSectionPoints();
    hoverFace_ = hoverEdge_ = -1;
    nextPoint_ = 0;
    status_ = placed_.Title;
    SheetChanged();
    return true;
}

void Worksheet::Study() {
    const SolidMesh mesh = ReadSceneMesh(mesh_);
    facts_ = StudySolid(mesh, placed_.Polyhedral, placed_.Exact, Language());
    solidReach_ = Reach(mesh.Points);
}

// Section points the new solid does not have give way to its own: those of the customary A, C, B1 it
// has, then its last corners (a pyramid's apex), so that a pyramid chosen after a prism does not
// inherit B1 and a refusal.
void Worksheet::FitSectionPoints() {
    std::vector<std::string> corners;
    for (const std::string& letter : facts_.CornerLetter)
        if (!letter.empty()) corners.push_back(letter);
    std::vector<std::string> valid;
    for (const PointChoice& choice : SectionPointChoices(facts_)) valid.push_back(choice.Text);
    const auto has = [](const std::vector<std::string>& list, const std::string& p) {
        return std::find(list.begin(), list.end(), p) != list.end();
    };
    std::array<std::string, 3>& points = doc_.Section.Points;
    if (corners.size() < 3 || std::all_of(points.begin(), points.end(), [&](const auto& p) { return has(valid, p); }))
        return;
    std::vector<std::string> chosen;
    for (const std::string& p : SectionChoice{}.Points)
        if (has(corners, p)) chosen.push_back(p);
    std::sort(corners.begin(), corners.end());
    for (auto it = corners.rbegin(); chosen.size() < 3 && it != corners.rend(); ++it)
        if (!has(chosen, *it)) chosen.push_back(*it);
    std::copy(chosen.begin(), chosen.begin() + 3, points.begin());
}

bool Worksheet::ChooseFamily(SchoolFamily family) {
    SolidSource source;
    source.Family = StartingSolid(family);
    return Place(source);
}

bool Worksheet::SetParameter(const std::string& key, double value) {
    if (doc_.Source.Kind != SourceKind::Family) {
        status_ = Say(Language(), "所示立体没有参数", "the solid shown has no parameters");
        return false;
    }
    SolidSource source = doc_.Source;
    if (auto why = WithParameter(source.Family, key, value, Language())) {
        status_ = *why;
        return false;
    }
    return Place(source);
}

bool Worksheet::ChoosePreset(int menuIndex) {
    SolidSource source;
    source.Kind = SourceKind::Preset;
    source.MenuIndex = menuIndex;
    return Place(source);
}

bool Worksheet::OpenModel(const std::string& path) {
    SolidSource source;
    source.Kind = SourceKind::Model;
    source.ModelPath = path;
    return Place(source);
}

void Worksheet::SetTab(SheetTab tab) {
    if (tab != SheetTab::Net) RemoveNetMesh();
    doc_.Tab = tab;
    SheetChanged();
}

void Worksheet::SetLetters(bool on) {
    doc_.Letters = on;
    SheetChanged();
}

void Worksheet::SetAuxiliary(bool on) {
    doc_.Auxiliary = on;
    SheetChanged();
}

void Worksheet::SetEnglishCaptions(bool on) {
    if (doc_.EnglishCaptions == on) return;
    doc_.EnglishCaptions = on;
    if (placed_.Built && MeshExists(mesh_)) Study();  // the names of unlettered faces and edges
    SheetChanged();
}

void Worksheet::SetHiddenEdges(HiddenEdges hidden) {
    doc_.Hidden = hidden;
    SheetChanged();
}

void Worksheet::SetFold(double fold) {
    doc_.Fold = std::clamp(std::isfinite(fold) ? fold : 0.0, 0.0, 1.0);
    viewDirty_ = true;  // the sheet is the flat net whatever the fold
}

void Worksheet::SetNetTabs(bool on) {
    doc_.NetTabs = on;
    SheetChanged();
}

bool Worksheet::ClickAt(double x, double y) {
    if (doc_.Tab != SheetTab::Section || !solidDrawn_) return false;
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh_];
    const bool orthographic = s.Cameras[s.CurrentCamera].Orthographic;
    const std::vector<bool> drawn = DrawnFaces();
    const MeshTopology& t = facts_.Topology;
    // Corners and edges in sight: of a face drawn in the last frame.
    std::vector<bool> seenPoint(t.Points.size(), false);
    for (std::size_t f = 0; f < t.Faces.size(); ++f)
        if (drawn[f])
            for (const int v : t.Faces[f]) seenPoint[v] = true;
    double nearest = kPointReach;
    std::string chosen, caption;
    const auto consider = [&](double px, double py, const std::string& text, const std::string& shown) {
        const double d = std::hypot(x - px, y - py);
        if (d < nearest) nearest = d, chosen = text, caption = shown;
    };
    for (std::size_t v = 0; v < t.Points.size(); ++v)
        if (seenPoint[v] && !facts_.CornerLetter[v].empty())
            consider(ScreenPoint(int(v)).x, ScreenPoint(int(v)).y, facts_.CornerLetter[v], facts_.CornerLetter[v]);
    for (const EdgeFact& edge : facts_.EdgeList) {
        const std::string& a = facts_.CornerLetter[edge.A];
        const std::string& b = facts_.CornerLetter[edge.B];
        if (a.empty() || b.empty() || !seenPoint[edge.A] || !seenPoint[edge.B]) continue;
        // The middle of the edge in space lands where the screen points are weighed by their depth
        // in front of the camera: the projection divides by it.
        const Vector3D& pa = ScreenPoint(edge.A);
        const Vector3D& pb = ScreenPoint(edge.B);
        const double wa = orthographic ? 1 : s.ViewVertices[m.FirstVertex + facts_.PointOfWelded[edge.A]].z;
        const double wb = orthographic ? 1 : s.ViewVertices[m.FirstVertex + facts_.PointOfWelded[edge.B]].z;
        if (!(wa > 0 && wb > 0)) continue;
        consider((pa.x * wa + pb.x * wb) / (wa + wb), (pa.y * wa + pb.y * wb) / (wa + wb), "mid(" + a + "," + b + ")",
                 MidpointCaption(edge.Name, Language()));
    }
    if (chosen.empty()) {
        status_ = Say(Language(), "这里附近没有顶点或棱的中点", "no corner or edge midpoint near the pointer");
        return false;
    }
    std::array<std::string, 3> points = doc_.Section.Points;
    const int set = nextPoint_;
    points[set] = chosen;
    SetSectionPoints(points);
    nextPoint_ = (set + 1) % 3;
    status_ = Say(Language(), "截面第 {} 点：{}", "section point {}: {}", {std::to_string(set + 1), caption});
    return true;
}

void Worksheet::SetSectionPoints(const std::array<std::string, 3>& points) {
    doc_.Section.ThroughPoints = true;
    doc_.Section.Points = points;
    SheetChanged();
}

void Worksheet::SetSectionSliders(double offset, double tilt) {
    doc_.Section.ThroughPoints = false;
    doc_.Section.Offset = std::clamp(std::isfinite(offset) ? offset : 0.0, -1.0, 1.0);
    doc_.Section.Tilt = std::clamp(std::isfinite(tilt) ? tilt : 0.0, -60.0, 60.0);
    SheetChanged();
}

void Worksheet::Turn(double dx, double dy) {
    OrbitView& v = doc_.View;
    double yaw = v.Yaw - dx * kTurnPerPixel;
    if (yaw > kPi) yaw -= 2 * kPi;
    if (yaw < -kPi) yaw += 2 * kPi;
    v.Yaw = static_cast<float>(std::clamp(yaw, -kPi, kPi));
    v.Pitch = static_cast<float>(std::clamp(v.Pitch + dy * kTurnPerPixel, -kPi / 2, kPi / 2));
    viewDirty_ = true;
}

void Worksheet::Zoom(double dy) {
    doc_.View.Distance = static_cast<float>(std::clamp(doc_.View.Distance + dy, 0.0, 5000.0));
    viewDirty_ = true;
}

void Worksheet::DrawView(Canvas& canvas) {
    SceneStore& s = Scene();
    viewDirty_ = false;
    viewWidth_ = canvas.Width();
    viewHeight_ = canvas.Height();
    canvas.SetBackColor(kViewBackColor);
    canvas.Clear();
    if (canvas.Width() <= 0 || canvas.Height() <= 0) return;
    // On the 展开图 tab the view shows the net folded as far as the slider says, in the solid's place.
    if (doc_.Tab == SheetTab::Net) EnsureNet();
    if (doc_.Tab == SheetTab::Net && net_ && netFold_ != doc_.Fold) {
        if (netMesh_ != 0 && MeshExists(netMesh_)) DeleteMesh(netMesh_);
        const SolidMesh folded = FoldNet(*net_, doc_.Fold);
        // The camera looks at the middle of the flat net and moves to the solid's place, the origin
        // it looks at on every other tab, as the net folds shut.
        netTarget_ = BoxOf(folded.Points).Middle() * (1 - doc_.Fold);
        netReach_ = Reach(folded.Points, netTarget_);
        netMesh_ = StoreFoldedNet(folded);
        netFold_ = doc_.Fold;
        if (netMesh_ != 0) {
            SetMeshColor(netMesh_, ColorFromRGB(kNetColor), 0.5f);
            s.Meshes[mesh_].Visible = false;
        }
    }
    netStandOff_ = netMesh_ != 0 ? FoldedNetStandOff(canvas) : 0;
    const Point3 target = netMesh_ != 0 ? netTarget_ : Point3{};
    OrbitCamera(s.CurrentCamera, Vector3D{float(target.x), float(target.y), float(target.z)},
                static_cast<float>(doc_.View.Distance + netStandOff_), doc_.View.Yaw, doc_.View.Pitch);
    // The light shines from far behind the camera, so that every flat face is lit evenly: from the
    // camera itself the two triangles of a rectangle would be lit at different angles.
    const Vector3D eye = s.Cameras[s.CurrentCamera].Position;
    s.Lights[s.CurrentLight].Position = {float(target.x + kLightFarther * (eye.x - target.x)),
                                         float(target.y + kLightFarther * (eye.y - target.y)),
                                         float(target.z + kLightFarther * (eye.z - target.z))};
    solidDrawn_ = false;  // until the frame is through: a fault leaves nothing to point at
    RenderFrame(canvas, s.CurrentCamera);
    solidDrawn_ = netMesh_ == 0 && MeshExists(mesh_);
    const std::vector<ViewSegment> outline = HoverOutline();
    if (outline.empty()) return;
    canvas.SetPenColor(hoverEdge_ >= 0 ? kHoverEdgeColor : kHoverFaceColor);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetRasterMode(kRopCopyPen);
    for (const ViewSegment& line : outline) DrawThickLine(canvas, line.A, line.B, hoverEdge_ >= 0 ? 5 : 3);
}

double Worksheet::FoldedNetStandOff(const Canvas& canvas) const {
    // A ball of radius r round the target fills the narrower side of the view from distance
    // r / sin(half the angle across that side); the camera stands back by the difference between
    // the folded net's ball and the solid's, which is none once the net is folded shut.
    const CameraRecord& c = Scene().Cameras[Scene().CurrentCamera];
    if (c.Orthographic || !(c.TanHalfFov > 0) || netReach_ <= solidReach_) return 0;
    const double narrow = std::min(canvas.Width(), canvas.Height()) / double(std::max(canvas.Width(), canvas.Height()));
    const double half = std::atan(c.TanHalfFov * narrow);
    return (netReach_ - solidReach_) / std::sin(half);
}

const Vector3D& Worksheet::ScreenPoint(int welded) const {
    const SceneStore& s = Scene();
    return s.ScreenVertices[s.Meshes[mesh_].FirstVertex + facts_.PointOfWelded[welded]];
}

std::vector<bool> Worksheet::DrawnFaces() const {
    std::vector<bool> drawn(facts_.Topology.Faces.size(), false);
    if (!MeshExists(mesh_)) return drawn;
    const int firstFace = Scene().Meshes[mesh_].FirstFace;
    ForEachListedFace([&](Index slot) {
        const int triangle = slot - firstFace;
        if (triangle < 0 || triangle >= static_cast<int>(facts_.TriangleOfMeshFace.size())) return;
        if (const int f = facts_.TriangleOfMeshFace[triangle]; f >= 0) drawn[f] = true;
    });
    return drawn;
}

std::vector<ViewSegment> Worksheet::HoverOutline() const {
    std::vector<ViewSegment> lines;
    if (!solidDrawn_) return lines;
    const MeshTopology& t = facts_.Topology;
    if (hoverEdge_ >= 0 && hoverEdge_ < static_cast<int>(t.Edges.size())) {
        lines.push_back({ScreenPoint(t.Edges[hoverEdge_].A), ScreenPoint(t.Edges[hoverEdge_].B)});
        return lines;
    }
    if (hoverFace_ < 0 || hoverFace_ >= static_cast<int>(facts_.FaceList.size())) return lines;
    // The face's outline: the edges of its triangles that no other triangle of the face shares.
    for (const int f : facts_.FaceList[hoverFace_].Triangles) {
        for (int k = 0; k < 3; ++k) {
            const TopologyEdge& e = t.Edges[t.FaceEdges[f][k]];
            const int other = e.Faces[0] == f ? e.Faces[1] : e.Faces[0];
            if (other >= 0 && e.FaceCount == 2 && facts_.Faces.FaceGroup[other] == hoverFace_) continue;
            lines.push_back({ScreenPoint(e.A), ScreenPoint(e.B)});
        }
    }
    return lines;
}

HoverInfo Worksheet::HoverAt(double x, double y) {
    HoverInfo info;
    SceneStore& s = Scene();
    int face = -1, edgeIndex = -1;
    if (solidDrawn_ && x >= 0 && y >= 0 && x < viewWidth_ && y < viewHeight_) {
        const MeshRecord& m = s.Meshes[mesh_];
        // The edges of faces that were drawn this frame; the nearest within reach wins.
        const std::vector<bool> drawn = DrawnFaces();
        double nearest = kEdgeReach;
        const EdgeFact* edge = nullptr;
        const MeshTopology& t = facts_.Topology;
        for (std::size_t e = 0; e < t.Edges.size(); ++e) {
            if (!facts_.Faces.EdgeCounted[e]) continue;
            const TopologyEdge& te = t.Edges[e];
            const bool seen = (te.Faces[0] >= 0 && drawn[te.Faces[0]]) || (te.Faces[1] >= 0 && drawn[te.Faces[1]]);
            const double d = DistanceToSegment(x, y, ScreenPoint(te.A), ScreenPoint(te.B));
            if (seen && d < nearest) {
                nearest = d;
                edgeIndex = static_cast<int>(e);
                for (const EdgeFact& fact : facts_.EdgeList)
                    if (fact.A == te.A && fact.B == te.B) edge = &fact;
            }
        }
        const int slot = PickFace(MakePoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))));
        const int triangle = slot - m.FirstFace;
        const int picked = triangle >= 0 && triangle < static_cast<int>(facts_.TriangleOfMeshFace.size())
                               ? facts_.TriangleOfMeshFace[triangle] : -1;
        if (picked >= 0) face = facts_.Faces.FaceGroup[picked];
        if (edge != nullptr) {
            info.What = HoverInfo::Kind::Edge;
            info.Name = edge->Name;
            info.Value = edge->Length;
            const bool named = edge->Name.rfind(Say(Language(), "棱", "edge"), 0) == 0;
            info.Text = Say(Language(), named ? "{}：{}" : "棱 {}：{}", named ? "{}: {}" : "edge {}: {}",
                            {edge->Name, FormatNumber(edge->Length)});
        } else if (face >= 0 && face < static_cast<int>(facts_.FaceList.size())) {
            const FaceFact& f = facts_.FaceList[face];
            info.What = HoverInfo::Kind::Face;
            info.Name = f.Name;
            info.Value = f.Area;
            const bool named = f.Name.rfind(Say(Language(), "面", "face"), 0) == 0;
            info.Text = Say(Language(), named ? "{}：S = {}" : "面 {}：S = {}", named ? "{}: S = {}" : "face {}: S = {}",
                            {f.Name, FormatNumber(f.Area)});
        }
        if (edge == nullptr) edgeIndex = -1;
        else face = -1;  // the edge is outlined, not the face beside it
    }
    if (face != hoverFace_ || edgeIndex != hoverEdge_) {
        hoverFace_ = face;
        hoverEdge_ = edgeIndex;
        viewDirty_ = true;
    }
    return info;
}

std::string Worksheet::SheetNote(SheetTab tab) {
    if (!placed_.Built || !MeshExists(mesh_)) return Say(Language(), "没有立体", "no solid");
    if (tab != SheetTab::Net) return {};
    EnsureNet();
    return net_ ? std::string() : Say(Language(), "展开图：没有展开图（{}）", "net: no net: {}", {netError_});
}

Sheet Worksheet::SheetOf(SheetTab tab) {
    if (const std::string note = SheetNote(tab); !note.empty()) return MakeNoteSheet(note);
    WorksheetDocument doc = doc_;
    doc.Tab = tab;
    if (tab == SheetTab::Net) {
        NetSheetOptions options;
        options.Labels = doc.Letters;
        options.Tabs = doc.NetTabs;
        options.Language = Language();
        NetSheet net = MakeNetSheet(*net_, options);
        netPage_ = net.Page;
        return net.Drawing;
    }
    const std::vector<SolidMesh> meshes = ReadVisibleSceneMeshes();
    if (tab != SheetTab::Section) return MakeTextbookTabSheet(meshes, doc, placed_);
    // The section is drawn into the oblique drawing, with its true shape beside it.
    doc.Tab = SheetTab::Oblique;
    const SolidMesh mesh = ReadSceneMesh(mesh_);
    const std::vector<LetteredCorner> corners = LetteredCorners(facts_);  // named once, as the solid was placed
    try {
        const DrawnSection drawn = MakeDrawnSection(mesh, ChosenPlane(doc.Section, mesh, corners), corners, placed_.Exact);
        sectionText_ = drawn.Cut.Polygons.empty() ? MissedSectionText(drawn.Cut, Language()) : SectionCaption(drawn);
        sectionShape_ = drawn.Cut.Polygons.empty() ? std::string() : std::string(drawn.Shape.Chinese);
        return MakeTextbookTabSheet(meshes, doc, placed_, drawn);
    } catch (const SectionPlaneError& error) {
        sectionText_ = Language() == CaptionLanguage::English ? std::string(error.what()) : PlaneRefusal(doc.Section);
        sectionShape_.clear();
        return MakeTextbookTabSheet(meshes, doc, placed_);
    }
}

std::string Worksheet::PlaneRefusal(const SectionChoice& choice) const {
    // The points come from the lists or from clicks: one the solid has not is left from another
    // solid; else the three lie on one line (or two are the same).
    const std::vector<PointChoice> known = SectionPointChoices(facts_);
    for (const std::string& point : choice.Points)
        if (std::none_of(known.begin(), known.end(), [&](const PointChoice& c) { return c.Text == point; }))
            return Say(CaptionLanguage::Chinese, "无法确定截面：这个立体没有点 {}", "", {point});
    return Say(CaptionLanguage::Chinese, "无法确定截面：{}、{}、{} 在一条直线上，确定不了平面", "",
               {choice.Points[0], choice.Points[1], choice.Points[2]});
}

Worksheet::SheetKey Worksheet::CurrentSheetKey() const {
    SheetKey key{solidRevision_, doc_.Tab, doc_.Letters, doc_.Auxiliary, doc_.EnglishCaptions, false, doc_.Hidden, {}};
    // Every tab speaks the chosen language (captions, notes, the net's numbers and reasons); only the
    // net's tab reads its glue tabs, and it reads neither the hidden edges nor the aids; only the
    // section's tab reads the plane; the three views carry no letters.
    if (doc_.Tab == SheetTab::Net) {
        key.NetTabs = doc_.NetTabs;
        key.Hidden = HiddenEdges::Dashed, key.Auxiliary = false;
    }
    if (doc_.Tab == SheetTab::Section) key.Section = doc_.Section;
    if (doc_.Tab == SheetTab::ThreeViews) key.Letters = false;
    return key;
}

const Sheet& Worksheet::CurrentSheet() {
    const SheetKey key = CurrentSheetKey();
    if (sheetKey_ != key) {
        sheet_ = SheetOf(doc_.Tab);
        sheetKey_ = key;  // only once built: a sheet that threw is tried again
        ++sheetRevision_;
    }
    return sheet_;
}

std::vector<std::string> Worksheet::MeasureLines() const {
    if (!placed_.Built) return {};
    std::vector<std::string> lines = orrin::MeasureLines(facts_);
    lines.insert(lines.begin(), placed_.Title);
    return lines;
}

bool Worksheet::Export(const std::string& path, int dpi) {
    const auto format = SheetFormatOf(path);
    if (!format) {
        status_ = Say(Language(), "“{}”：请用 .svg、.pdf、.png 或 .tex 结尾的文件名",
                      "'{}': choose a name ending in .svg, .pdf, .png or .tex", {path});
        return false;
    }
    try {
        const Sheet& sheet = CurrentSheet();
        WriteSheetFile(sheet, path, PageFor(*format, dpi));
    } catch (const SheetOutputError& e) {
        status_ = Language() == CaptionLanguage::English ? std::string(e.what())
                                                         : Say(Language(), "无法写入“{}”：{}", "", {path, e.what()});
        return false;
    }
    status_ = "→ " + path;
    return true;
}

std::string Worksheet::SheetBytesOf(SheetFormat format, int dpi) {
    const Sheet& sheet = CurrentSheet();
    return SheetBytes(sheet, format, PageFor(format, dpi));
}

PageSize Worksheet::PageFor(SheetFormat format, int dpi) const {
    PageSize page = WorksheetPage(format, dpi);
    // A net keeps the page its true size was laid out on.
    if (doc_.Tab == SheetTab::Net && net_) {
        page.Width = netPage_.Width;
        page.Height = netPage_.Height;
    }
    return page;
}

}  // namespace orrin
