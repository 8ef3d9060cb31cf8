#include "section_output.hpp"

#include <cmath>

#include "geometry/vertex_labels.hpp"
#include "platform/ui.hpp"
#include "scene/scene.hpp"

namespace orrin {
namespace {

using namespace quarn;

void WritePoint(JsonWriter& json, const Point3& p) {
    json.BeginArray().Number(p.x).Number(p.y).Number(p.z).EndArray();
}

SolidMesh MeshToCut() {
    const SceneStore& s = Scene();
    if (s.CurrentMesh != 0) return ReadSceneMesh(s.CurrentMesh);
    if (s.MeshSlots.Count == 1) return ReadSceneMesh(s.MeshSlots.First);
    throw SourceError(s.MeshSlots.Count == 0 ? "there is no solid to cut"
                                             : "the model holds " + std::to_string(s.MeshSlots.Count) +
                                                   " meshes; --section cuts one solid");
}

std::string_view OutcomeName(SectionOutcome outcome) {
    switch (outcome) {
        case SectionOutcome::Cut:
            return "cut";
        case SectionOutcome::Touch:
            return "touch";
        case SectionOutcome::Miss:
            break;
    }
    return "miss";
}

}  // namespace

std::optional<DrawnSection> CutSceneSolid(const RenderOptions& options, const LoadedSolid& solid) {
    if (options.section.plane.empty()) return std::nullopt;
    const SolidMesh mesh = MeshToCut();
    const std::vector<LetteredCorner> corners =
        LetterSolidCorners(mesh, solid.Polyhedral ? 0 : kDefaultFeatureAngleDegrees);
    SectionPlane plane;
    try {
        plane = ParseSectionPlane(options.section.plane, corners);
    } catch (const SectionPlaneError& error) {
        throw UsageError(error.what());
    }
    // A curved solid's section is named by the exact solid's.
    const DrawnSection drawn = MakeDrawnSection(mesh, plane, corners, solid.Exact);
    if (drawn.Cut.Polygons.empty())
        CurrentUi().ShowMessage(drawn.Cut.Note, "orrin-render", MessageIcon::Information);
    return drawn;
}

void WriteSectionReport(JsonWriter& json, const DrawnSection& section) {
    const Section& cut = section.Cut;
    json.Key("section").BeginObject();
    json.Key("plane").BeginObject();
    json.Key("point"), WritePoint(json, cut.Plane.Point);
    json.Key("normal"), WritePoint(json, cut.Plane.Normal);
    json.Key("through").BeginArray();
    for (const PlanePoint& p : cut.Plane.Points) json.String(p.Text);
    json.EndArray().EndObject();
    json.Field("outcome", OutcomeName(cut.Outcome));
    if (!cut.Note.empty()) json.Field("message", std::string_view(cut.Note));
    json.Key("polygons").BeginArray();
    for (const SectionPolygon& polygon : cut.Polygons) {
        json.BeginArray();
        for (const Point3& p : polygon.Points) WritePoint(json, p);
        json.EndArray();
    }
    json.EndArray();
    json.Key("letters").BeginArray();
    for (const auto& names : section.Letters) {
        json.BeginArray();
        for (const std::string& name : names) json.String(name);
        json.EndArray();
    }
    json.EndArray();
    json.Field("area", cut.Area).Field("perimeter", cut.Perimeter);
    const std::string surd = SurdText(cut.Area);
    if (!surd.empty()) json.Field("areaText", std::string_view(surd));
    // The sides and angles of a section of one polygon, as a worksheet asks for them.
    if (cut.Polygons.size() == 1) {
        json.Key("sides").BeginArray();
        for (const double side : cut.Polygons[0].Sides) json.Number(side);
        json.EndArray().Key("angles").BeginArray();
        for (const double angle : cut.Polygons[0].Angles) json.Number(angle);
        json.EndArray();
    }
    if (!cut.Polygons.empty()) {
        json.Field("shape", section.Shape.Id).Field("name", section.Shape.Chinese);
        json.Field("english", section.Shape.English);
    }
    if (const auto& exact = section.Exact) {
        json.Key("exact").BeginObject().Field("shape", exact->Shape.Id).Field("name", exact->Shape.Chinese);
        json.Field("area", exact->Area);
        if (cut.Area > 0) json.Field("areaRatio", cut.Area / exact->Area);
        if (exact->Radius > 0 || exact->SemiMajor > 0) json.Key("centre"), WritePoint(json, exact->Centre);
        if (exact->Radius > 0) json.Field("radius", exact->Radius);
        if (exact->SemiMajor > 0)
            json.Field("semiMajor", exact->SemiMajor).Field("semiMinor", exact->SemiMinor);
        if (exact->Width > 0) json.Field("width", exact->Width).Field("height", exact->Height);
        json.EndObject();
    }
    json.EndObject();
}

}  // namespace orrin
