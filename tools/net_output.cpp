#include "net_output.hpp"

#include "drawing/net_sheet.hpp"
#include "drawing/sheet_writer.hpp"
#include "geometry/net_folding.hpp"
#include "geometry/feature_edges.hpp"
#include "geometry/net_tabs.hpp"
#include "math/color.hpp"
#include "scene/scene.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

using namespace quarn;

constexpr double kPngPixelsPerPoint = 2;

// Develops the exact solid behind a round mesh; unfolds a polyhedron, a model and the geodesic sphere
// (which stands for a sphere but is taught as a polyhedron) face by face.
NetSource SourceOf(const LoadedSolid& solid) {
    NetSource source;
    const SceneStore& s = Scene();
    if (s.CurrentMesh == 0) throw SourceError("--net needs one solid; the model holds " + std::to_string(s.MeshSlots.Count) + " meshes");
    source.Mesh = ReadSceneMesh(s.CurrentMesh);
    const SolidMenuEntry* geodesic = FindSolidMenuEntry("geodesic-sphere");
    const bool faceted = geodesic && solid.MenuIndex == geodesic->Index;
    if (solid.Exact && !faceted) source.Exact = solid.Exact;
    source.LetterFeatureAngleDegrees = solid.Polyhedral ? 0 : kDefaultFeatureAngleDegrees;
    return source;
}

const char* ShapeName(PartShape shape) {
    switch (shape) {
        case PartShape::Rectangle: return "rectangle";
        case PartShape::Sector: return "sector";
        case PartShape::AnnularSector: return "annular-sector";
        case PartShape::Disc: return "disc";
        case PartShape::Gore: return "gore";
    }
    return "";
}

void WritePoint2(JsonWriter& json, const Point2& p) { json.BeginArray().Number(p.x).Number(p.y).EndArray(); }

void WriteOutline(JsonWriter& json, const std::vector<Point2>& outline) {
    json.Key("outline").BeginArray();
    for (const Point2& p : outline) WritePoint2(json, p);
    json.EndArray();
}

}  // namespace

bool WritesNetSheet(const RenderOptions& options) {
    return options.net.enabled && !options.net.fold && !options.outputPng.empty();
}

SolidNet RunNet(const RenderOptions& options, const LoadedSolid& solid) {
    SolidNet net;
    try {
        net = UnfoldSolid(SourceOf(solid));
    } catch (const NetError& error) {
        throw SourceError(std::string("no net: ") + error.what());
    }
    if (options.net.tabs) AddGlueTabs(net);
    if (WritesNetSheet(options)) {
        NetSheetOptions sheetOptions;
        sheetOptions.Labels = options.net.labels;
        sheetOptions.Tabs = options.net.tabs;
        sheetOptions.MillimetresPerUnit = options.net.millimetresPerUnit;
        sheetOptions.PaperSize = options.net.paper == "Letter" ? Paper::Letter : Paper::A4;
        NetSheet sheet = MakeNetSheet(net, sheetOptions);
        if (SheetFormatOf(options.outputPng) == SheetFormat::Png) sheet.Page.PixelsPerPoint = kPngPixelsPerPoint;
        WriteSheetFile(sheet.Drawing, options.outputPng, sheet.Page);
    } else if (options.net.fold) {
        const SolidMesh folded = FoldNet(net, *options.net.fold);
        std::optional<ColorRGB16> color;
        if (options.color) color = ColorFromRGB(*options.color);
        if (ReplaceSceneWithBuiltSolid([&] { return StoreFoldedNet(folded); }, color) == 0)
            throw SourceError("could not store the folded net in the scene");
    }
    return net;
}

void WriteNetReport(JsonWriter& json, const SolidNet& net) {
    json.Key("net").BeginObject();
    json.Field("kind", net.Kind == NetKind::Polyhedral ? "polyhedral" : "developed");
    json.Field("layout", std::string_view(net.Layout));
    if (net.Kind == NetKind::Polyhedral) {
        json.Key("faces").BeginArray();
        for (const NetFace& f : net.Faces) {
            json.BeginObject();
            WriteOutline(json, f.Outline);
            json.Key("vertices").BeginArray();
            for (const Point3& p : f.Corners) json.BeginArray().Number(p.x).Number(p.y).Number(p.z).EndArray();
            json.EndArray();
            json.Key("letters").BeginArray();
            for (const std::string& name : f.Names) json.String(name);
            json.EndArray();
            json.EndObject();
        }
        json.EndArray();
        json.Key("folds").BeginArray();
        for (const NetFold& f : net.Folds) json.BeginArray().Number(f.A.Face).Number(f.B.Face).EndArray();
        json.EndArray();
        json.Field("pieces", net.Pieces);
    } else {
        json.Field("approximate", net.Approximate);
        json.Key("parts").BeginArray();
        for (const NetPart& p : net.Parts) {
            json.BeginObject().Field("shape", ShapeName(p.Shape));
            switch (p.Shape) {
                case PartShape::Rectangle:
                case PartShape::Gore:
                    json.Field("width", p.Width).Field("height", p.Height);
                    break;
                case PartShape::AnnularSector:
                    json.Field("innerRadius", p.InnerRadius);
                    [[fallthrough]];
                case PartShape::Sector:
                    json.Field("radius", p.Radius).Field("angle", p.Angle);
                    break;
                case PartShape::Disc:
                    json.Field("radius", p.Radius);
                    break;
            }
            json.Key("centre");
            WritePoint2(json, p.Centre);
            json.EndObject();
        }
        json.EndArray();
    }
    if (!net.Tabs.empty()) {
        json.Key("tabs").BeginArray();
        for (const NetTab& t : net.Tabs) {
            json.BeginObject().Field("number", t.Number);
            if (t.Face >= 0) json.Field("face", t.Face);
            if (t.Part >= 0) json.Field("part", t.Part);
            WriteOutline(json, t.Outline);
            json.EndObject();
        }
        json.EndArray();
    }
    json.Field("area", net.Area);
    json.EndObject();
}

}  // namespace orrin
