#include "measures_report.hpp"

#include <cmath>

#include "geometry/ideal_solids.hpp"
#include "geometry/solid_measures.hpp"
#include "geometry/vertex_labels.hpp"
#include "geometry/worked_formulas.hpp"
#include "scene/scene.hpp"

namespace orrin {
namespace {

using namespace quarn;

// Opens the object and leaves it open for further fields.
void WriteCounts(JsonWriter& json, std::string_view name, const ElementCounts& c) {
    json.Key(name)
        .BeginObject()
        .Field("vertices", c.Vertices)
        .Field("edges", c.Edges)
        .Field("faces", c.Faces);
}

// null when there is no value: JSON has no other way to say it.
double OrNull(const std::optional<double>& value) {
    return value.value_or(NAN);
}

// The worked formulas are written for the families only: the menu solids' report keeps its fields.
void WriteExact(JsonWriter& json, const IdealSolid& solid, const SolidMeasures& m, bool worked) {
    const IdealMeasures exact = MeasureIdealSolid(solid);
    json.Key("exact").BeginObject().Field("solid", exact.Name);
    json.Field("surfaceArea", exact.SurfaceArea).Field("surfaceAreaRatio", m.SurfaceArea / exact.SurfaceArea);
    json.Field("volume", OrNull(exact.Volume));
    if (exact.Volume) json.Field("volumeFormula", exact.VolumeFormula);
    json.Field("volumeRatio", m.Volume && exact.Volume ? *m.Volume / *exact.Volume : NAN);
    if (worked) {
        const WorkedFormulas formulas = WorkIdealFormulas(solid);
        json.Field("volumeText", std::string_view(formulas.Volume));
        json.Field("surfaceAreaText", std::string_view(formulas.SurfaceArea));
    }
    json.EndObject();
}

void WriteFamily(JsonWriter& json, const SchoolSolid& solid) {
    const SchoolFamilyInfo& family = FamilyInfoOf(solid.Family);
    json.Key("family").BeginObject().Field("name", family.Name).Field("caption", family.Caption);
    json.Field("text", std::string_view(DescribeSchoolSolid(solid)));
    json.Key("parameters").BeginObject();
    for (const FamilyParameter& p : family.Parameters) json.Field(p.Key, solid.*p.Field);
    json.EndObject().EndObject();
}

// The corners' letters with their points, as the textbook drawing and later tools name them.
void WriteLetters(JsonWriter& json, const SolidMesh& mesh, bool polyhedral) {
    json.Key("letters").BeginObject();
    for (const LetteredCorner& corner : LetterSolidCorners(mesh, polyhedral ? 0 : kDefaultFeatureAngleDegrees))
        json.Key(corner.Name).BeginArray().Number(corner.At.x).Number(corner.At.y).Number(corner.At.z).EndArray();
    json.EndObject();
}

}  // namespace

void WriteMeshMeasures(JsonWriter& json, int mesh, const LoadedSolid& solid) {
    const SolidMesh read = ReadSceneMesh(mesh);
    const SolidMeasures m = MeasureSolid(read);
    json.Key("measures").BeginObject();
    WriteCounts(json, "triangleMesh", m.TriangleMesh);
    json.EndObject();
    WriteCounts(json, "solid", m.Solid);
    json.Field("eulerCharacteristic", m.EulerCharacteristic).EndObject();
    json.Field("degenerateFaces", m.DegenerateFaces).Field("boundaryEdges", m.BoundaryEdges);
    json.Field("overSharedEdges", m.OverSharedEdges).Field("inconsistentEdges", m.InconsistentEdges);
    json.Field("surfaceArea", m.SurfaceArea).Field("volume", OrNull(m.Volume));
    if (!m.VolumeNote.empty()) json.Field("volumeNote", std::string_view(m.VolumeNote));
    const bool current = mesh == Scene().CurrentMesh;
    if (current && solid.Exact) WriteExact(json, *solid.Exact, m, solid.Family.has_value());
    if (current && solid.Family) {
        WriteFamily(json, *solid.Family);
        WriteLetters(json, read, solid.Polyhedral);
    }
    json.EndObject();
}

}  // namespace orrin
