#include "measures_report.hpp"

#include <charconv>
#include <cmath>
#include <optional>

#include "drawing/ideal_solids.hpp"
#include "drawing/solid_measures.hpp"
#include "scene/scene.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {
namespace {

using namespace quarn;

std::optional<int> measuredMenuSolid;

// The exact solid each menu solid is built to approximate, with the builder's fixed dimensions.
std::optional<IdealSolid> IdealSolidOfMenu(int index) {
    using enum IdealShape;
    switch (index) {
        case 0:
            return IdealSolid{Box, 40, 40, 40};
        case 1:
            return IdealSolid{Square, 80, 80};
        case 2:
            return IdealSolid{Sphere, 40};
        case 3:
            return IdealSolid{Hemisphere, 40};
        case 4:
            return IdealSolid{Cone, 40, 60};
        case 5:
            return IdealSolid{Cylinder, 40, 60};
        case 6:
            return IdealSolid{CylinderSector, 80, 20, 60};
        case 7:
            return IdealSolid{Tetrahedron, 40};
        case 8:
            return IdealSolid{Octahedron, 40};
        case 9:
            return IdealSolid{Sphere, 40};
        case 10:
            return IdealSolid{Torus, 40, 10};
        case 19:
            return IdealSolid{Prism, 40, 60, 0, 3};
        case 20:
            return IdealSolid{Prism, 40, 60, 0, 5};
        case 21:
            return IdealSolid{Prism, 40, 60, 0, 6};
        case 22:
            return IdealSolid{Prism, 40, 60, 0, 8};
        case 23:
            return IdealSolid{Pyramid, 40, 60, 0, 4};
        case 24:
            return IdealSolid{Pyramid, 40, 60, 0, 5};
        case 25:
            return IdealSolid{Pyramid, 40, 60, 0, 6};
        default:
            return std::nullopt;
    }
}

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

void WriteExact(JsonWriter& json, const IdealSolid& solid, const SolidMeasures& m) {
    const IdealMeasures exact = MeasureIdealSolid(solid);
    json.Key("exact").BeginObject().Field("solid", exact.Name);
    json.Field("surfaceArea", exact.SurfaceArea).Field("surfaceAreaRatio", m.SurfaceArea / exact.SurfaceArea);
    json.Field("volume", OrNull(exact.Volume));
    if (exact.Volume) json.Field("volumeFormula", exact.VolumeFormula);
    json.Field("volumeRatio", m.Volume && exact.Volume ? *m.Volume / *exact.Volume : NAN);
    json.EndObject();
}

}  // namespace

void NoteMeasuredSource(const std::string& source) {
    int index = 0;
    const char* end = source.data() + source.size();
    const auto [rest, error] = std::from_chars(source.data(), end, index);
    const SolidMenuEntry* entry =
        error == std::errc() && rest == end ? FindSolidMenuEntry(index) : FindSolidMenuEntry(source);
    measuredMenuSolid = entry ? std::optional<int>(entry->Index) : std::nullopt;
}

void WriteMeshMeasures(JsonWriter& json, int mesh) {
    const SolidMeasures m = MeasureSolid(ReadSceneMesh(mesh));
    json.Key("measures").BeginObject();
    WriteCounts(json, "triangleMesh", m.TriangleMesh);
    json.EndObject();
    WriteCounts(json, "solid", m.Solid);
    json.Field("eulerCharacteristic", m.EulerCharacteristic).EndObject();
    json.Field("degenerateFaces", m.DegenerateFaces).Field("boundaryEdges", m.BoundaryEdges);
    json.Field("overSharedEdges", m.OverSharedEdges).Field("inconsistentEdges", m.InconsistentEdges);
    json.Field("surfaceArea", m.SurfaceArea).Field("volume", OrNull(m.Volume));
    if (!m.VolumeNote.empty()) json.Field("volumeNote", std::string_view(m.VolumeNote));
    const std::optional<IdealSolid> ideal = measuredMenuSolid && mesh == Scene().CurrentMesh
                                                ? IdealSolidOfMenu(*measuredMenuSolid)
                                                : std::nullopt;
    if (ideal) WriteExact(json, *ideal, m);
    json.EndObject();
}

}  // namespace orrin
