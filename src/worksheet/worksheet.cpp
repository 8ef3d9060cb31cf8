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
#include "worksheet/worksheet_sheets.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr std::int32_t kViewBackColor = 245 + 245 * 256 + 240 * 65536;
constexpr std::int32_t kNetColor = 250 + 210 * 256 + 120 * 65536;  // a paper-like light orange
constexpr std::int32_t kOutlineColor = 0 + 140 * 256 + 255 * 65536;  // a clear blue
constexpr double kEdgeReach = 5;  // pixels from an edge's line that count as pointing at it
constexpr double kTurnPerPixel = 0.01;
constexpr int kRealisticStyle = kStyleFlatShaded;


double DistanceToSegment(double x, double y, const Vector3D& a, const Vector3D& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
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
        netError_ = std::string("no net: ") + error.what();
    }
}

bool Worksheet::Place(const SolidSource& source) {
    ++solidRevision_;  // even a refused source has rebuilt the scene
    RemoveNetMesh();
    net_.reset();
    netError_.clear();
    netTried_ = false;
    ShownSolid placed = PlaceSource(source);
    if (!placed.Built) {
        status_ = placed.Error;
        // A refused model has already emptied the scene: show the solid that was there before.
        if (source.Kind == SourceKind::Model && Scene().MeshSlots.Count == 0 && placed_.Built) PlaceSource(doc_.Source);
        mesh_ = Scene().CurrentMesh;
        SheetChanged();
        return false;
    }
    doc_.Source = source;
    placed_ = placed;
    mesh_ = Scene().CurrentMesh;
    facts_ = StudySolid(ReadSceneMesh(mesh_), placed_.Polyhedral, placed_.Exact);
    hoverFace_ = -1;
    status_ = placed_.Title;
    SheetChanged();
    return true;
}

bool Worksheet::ChooseFamily(SchoolFamily family) {
    SolidSource source;
    source.Family = StartingSolid(family);
    return Place(source);
}

bool Worksheet::SetParameter(const std::string& key, double value) {
    if (doc_.Source.Kind != SourceKind::Family) {
        status_ = "the solid shown has no parameters";
        return false;
    }
    SolidSource source = doc_.Source;
    if (auto why = WithParameter(source.Family, key, value)) {
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
    doc_.EnglishCaptions = on;
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
        netMesh_ = StoreFoldedNet(FoldNet(*net_, doc_.Fold));
        netFold_ = doc_.Fold;
        if (netMesh_ != 0) {
            SetMeshColor(netMesh_, ColorFromRGB(kNetColor), 0.5f);
            s.Meshes[mesh_].Visible = false;
        }
    }
    OrbitCamera(s.CurrentCamera, ZeroVector(), doc_.View.Distance, doc_.View.Yaw, doc_.View.Pitch);
    s.Lights[s.CurrentLight].Position = s.Cameras[s.CurrentCamera].Position;
    RenderFrame(canvas, s.CurrentCamera);
    if (netMesh_ != 0 || hoverFace_ < 0 || hoverFace_ >= static_cast<int>(facts_.FaceList.size()) ||
        !MeshExists(mesh_))
        return;
    // The face's outline: the edges of its triangles that no other triangle of the face shares.
    const MeshTopology& t = facts_.Topology;
    const int first = s.Meshes[mesh_].FirstVertex;
    canvas.SetPenColor(kOutlineColor);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetRasterMode(kRopCopyPen);
    for (const int f : facts_.FaceList[hoverFace_].Triangles) {
        for (int k = 0; k < 3; ++k) {
            const TopologyEdge& e = t.Edges[t.FaceEdges[f][k]];
            const int other = e.Faces[0] == f ? e.Faces[1] : e.Faces[0];
            if (other >= 0 && e.FaceCount == 2 && facts_.Faces.FaceGroup[other] == hoverFace_) continue;
            const Vector3D& a = s.ScreenVertices[first + facts_.PointOfWelded[e.A]];
            const Vector3D& b = s.ScreenVertices[first + facts_.PointOfWelded[e.B]];
            for (int shift = -1; shift <= 1; ++shift) {  // three pixels wide
                const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
                const int ox = steep ? shift : 0, oy = steep ? 0 : shift;
                canvas.MoveToEx(static_cast<int>(std::lround(a.x)) + ox, static_cast<int>(std::lround(a.y)) + oy);
                canvas.LineTo(static_cast<int>(std::lround(b.x)) + ox, static_cast<int>(std::lround(b.y)) + oy);
            }
        }
    }
}

HoverInfo Worksheet::HoverAt(double x, double y) {
    HoverInfo info;
    SceneStore& s = Scene();
    int face = -1;
    if (netMesh_ == 0 && MeshExists(mesh_) && x >= 0 && y >= 0 && x < viewWidth_ && y < viewHeight_) {
        const MeshRecord& m = s.Meshes[mesh_];
        const auto topologyFace = [&](int slot) {
            const int triangle = slot - m.FirstFace;
            return triangle >= 0 && triangle < static_cast<int>(facts_.TriangleOfMeshFace.size())
                       ? facts_.TriangleOfMeshFace[triangle] : -1;
        };
        // The edges of faces that were drawn this frame; the nearest within reach wins.
        std::vector<bool> drawn(facts_.Topology.Faces.size(), false);
        ForEachListedFace([&](Index slot) {
            const int f = topologyFace(slot);
            if (f >= 0) drawn[f] = true;
        });
        double nearest = kEdgeReach;
        const EdgeFact* edge = nullptr;
        const MeshTopology& t = facts_.Topology;
        for (std::size_t e = 0; e < t.Edges.size(); ++e) {
            if (!facts_.Faces.EdgeCounted[e]) continue;
            const TopologyEdge& te = t.Edges[e];
            const bool seen = (te.Faces[0] >= 0 && drawn[te.Faces[0]]) || (te.Faces[1] >= 0 && drawn[te.Faces[1]]);
            const Vector3D& a = s.ScreenVertices[m.FirstVertex + facts_.PointOfWelded[te.A]];
            const Vector3D& b = s.ScreenVertices[m.FirstVertex + facts_.PointOfWelded[te.B]];
            const double d = DistanceToSegment(x, y, a, b);
            if (seen && d < nearest) {
                nearest = d;
                for (const EdgeFact& fact : facts_.EdgeList)
                    if (fact.A == te.A && fact.B == te.B) edge = &fact;
            }
        }
        const int picked = topologyFace(PickFace(MakePoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)))));
        if (picked >= 0) face = facts_.Faces.FaceGroup[picked];
        if (edge != nullptr) {
            info.What = HoverInfo::Kind::Edge;
            info.Name = edge->Name;
            info.Value = edge->Length;
            info.Text = "棱 " + edge->Name + ": " + FormatNumber(edge->Length);
        } else if (face >= 0 && face < static_cast<int>(facts_.FaceList.size())) {
            const FaceFact& f = facts_.FaceList[face];
            info.What = HoverInfo::Kind::Face;
            info.Name = f.Name;
            info.Value = f.Area;
            info.Text = (f.Name.rfind("面", 0) == 0 ? "" : "面 ") + f.Name + ": S = " + FormatNumber(f.Area);
        }
    }
    if (face != hoverFace_) {
        hoverFace_ = face;
        viewDirty_ = true;
    }
    return info;
}

std::string Worksheet::SheetNote(SheetTab tab) {
    if (!placed_.Built || !MeshExists(mesh_)) return "no solid";
    if (tab != SheetTab::Net) return {};
    EnsureNet();
    return net_ ? std::string() : "展开图: " + netError_;
}

Sheet Worksheet::SheetOf(SheetTab tab) {
    if (const std::string note = SheetNote(tab); !note.empty()) return MakeNoteSheet(note);
    WorksheetDocument doc = doc_;
    doc.Tab = tab;
    if (tab == SheetTab::Net) {
        NetSheetOptions options;
        options.Labels = doc.Letters;
        options.Tabs = doc.NetTabs;
        NetSheet net = MakeNetSheet(*net_, options);
        netPage_ = net.Page;
        return net.Drawing;
    }
    const std::vector<SolidMesh> meshes = ReadVisibleSceneMeshes();
    if (tab != SheetTab::Section) return MakeTextbookTabSheet(meshes, doc, placed_);
    // The section is drawn into the oblique drawing, with its true shape beside it.
    doc.Tab = SheetTab::Oblique;
    const SolidMesh mesh = ReadSceneMesh(mesh_);
    const std::vector<LetteredCorner> corners =
        LetterSolidCorners(mesh, placed_.Polyhedral ? 0 : kDefaultFeatureAngleDegrees);
    try {
        const DrawnSection drawn = MakeDrawnSection(mesh, ChosenPlane(doc.Section, mesh, corners), corners, placed_.Exact);
        sectionText_ = drawn.Cut.Polygons.empty() ? drawn.Cut.Note : SectionCaption(drawn);
        sectionShape_ = drawn.Cut.Polygons.empty() ? std::string() : std::string(drawn.Shape.Chinese);
        return MakeTextbookTabSheet(meshes, doc, placed_, drawn);
    } catch (const SectionPlaneError& error) {
        sectionText_ = error.what();
        sectionShape_.clear();
        return MakeTextbookTabSheet(meshes, doc, placed_);
    }
}

Worksheet::SheetKey Worksheet::CurrentSheetKey() const {
    SheetKey key{solidRevision_, doc_.Tab, doc_.Letters, doc_.Auxiliary, doc_.EnglishCaptions, false, doc_.Hidden, {}};
    // Only the net's tab reads its glue tabs, and it reads neither the hidden edges, the aids nor the
    // captions; only the section's tab reads the plane; the three views carry no letters.
    if (doc_.Tab == SheetTab::Net) {
        key.NetTabs = doc_.NetTabs;
        key.Hidden = HiddenEdges::Dashed, key.Auxiliary = false, key.EnglishCaptions = false;
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
        status_ = "'" + path + "': choose a name ending in .svg, .pdf, .png or .tex";
        return false;
    }
    try {
        const Sheet& sheet = CurrentSheet();
        WriteSheetFile(sheet, path, PageFor(*format, dpi));
    } catch (const SheetOutputError& e) {
        status_ = e.what();
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
