#include "measures_report.hpp"

#include <cmath>
#include <optional>

#include "geometry/ideal_solids.hpp"
#include "geometry/solid_measures.hpp"
#include "scene/scene.hpp"

namespace orrin {
namespace {

using namespace quarn;

// The exact solid each menu solid is built to approximate, with the builder's fixed dimensions.
struct MenuIdealSolid {
    int MenuIndex;
    IdealSolid Solid;
};

constexpr MenuIdealSolid kMenuIdealSolids[] = {
    // clang-format off
    {0, {IdealShape::Box, 40, 40, 40}},           {1, {IdealShape::Square, 80, 80}},
    {2, {IdealShape::Sphere, 40}},                {3, {IdealShape::Hemisphere, 40}},
    {4, {IdealShape::Cone, 40, 60}},              {5, {IdealShape::Cylinder, 40, 60}},
    {6, {IdealShape::CylinderSector, 80, 20, 60}}, {7, {IdealShape::Tetrahedron, 40}},
    {8, {IdealShape::Octahedron, 40}},            {9, {IdealShape::Sphere, 40}},
    {10, {IdealShape::Torus, 40, 10}},
    {19, {IdealShape::Prism, 40, 60, 0, 3}},      {20, {IdealShape::Prism, 40, 60, 0, 5}},
    {21, {IdealShape::Prism, 40, 60, 0, 6}},      {22, {IdealShape::Prism, 40, 60, 0, 8}},
    {23, {IdealShape::Pyramid, 40, 60, 0, 4}},    {24, {IdealShape::Pyramid, 40, 60, 0, 5}},
    {25, {IdealShape::Pyramid, 40, 60, 0, 6}},
    // clang-format on
};

std::optional<IdealSolid> IdealSolidOfMenu(int index) {
    for (const MenuIdealSolid& entry : kMenuIdealSolids)
        if (entry.MenuIndex == index) return entry.Solid;
    return std::nullopt;
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

void WriteMeshMeasures(JsonWriter& json, int mesh, std::optional<int> menuSolid) {
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
    const std::optional<IdealSolid> ideal =
        menuSolid && mesh == Scene().CurrentMesh ? IdealSolidOfMenu(*menuSolid) : std::nullopt;
    if (ideal) WriteExact(json, *ideal, m);
    json.EndObject();
}

}  // namespace orrin
