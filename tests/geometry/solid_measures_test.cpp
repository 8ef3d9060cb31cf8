// Counts, Euler characteristic, area and volume of the menu solids and of meshes that are not solids.

#include "geometry/solid_measures.hpp"

#include <cmath>
#include <numbers>

#include "geometry/ideal_solids.hpp"
#include "support/solid_fixture.hpp"

namespace quarn::testing {
namespace {

class SolidMeasuresTest : public SolidTest {};

constexpr double kPi = std::numbers::pi;

// A regular n-gon of circumradius r: its area and its side.
double PolygonArea(int n, double r) {
    return n / 2.0 * r * r * std::sin(2 * kPi / n);
}
double PolygonSide(int n, double r) {
    return 2 * r * std::sin(kPi / n);
}
// The faceted prism and pyramid the builders make, measured by hand.
double PrismArea(int n) {
    return 2 * PolygonArea(n, 40) + n * PolygonSide(n, 40) * 60;
}
double PyramidArea(int n) {
    return PolygonArea(n, 40) + n * PolygonSide(n, 40) / 2 * std::hypot(60, 40 * std::cos(kPi / n));
}

TEST_F(SolidMeasuresTest, MenuSolidsHaveTheirCountsAreasAndVolumes) {
    struct Case {
        int solid;
        ElementCounts counts;  // as a teacher counts them
        int euler;
        double area, volume;  // of the faceted mesh; area 0: not checked; volume 0: none
        double tolerance;     // relative
    } cases[] = {
        {0, {8, 12, 6}, 2, 9600, 64000, 1e-9},
        {1, {4, 4, 1}, 1, 6400, 0, 1e-9},
        {4, {47, 92, 47}, 2, PyramidArea(46), PolygonArea(46, 40) * 20, 1e-6},
        {5, {92, 138, 48}, 2, PrismArea(46), PolygonArea(46, 40) * 60, 1e-6},
        {7,
         {4, 6, 4},
         2,
         std::sqrt(3.0) * 40 * 40 * 8 / 3,
         std::pow(40 * std::sqrt(8.0 / 3), 3) / (6 * std::sqrt(2.0)),
         1e-6},
        {8, {6, 12, 8}, 2, 4 * std::sqrt(3.0) * 1600, 4 * 64000.0 / 3, 1e-6},
        {19, {6, 9, 5}, 2, PrismArea(3), PolygonArea(3, 40) * 60, 1e-6},
        {20, {10, 15, 7}, 2, PrismArea(5), PolygonArea(5, 40) * 60, 1e-6},
        {21, {12, 18, 8}, 2, PrismArea(6), PolygonArea(6, 40) * 60, 1e-6},
        {22, {16, 24, 10}, 2, PrismArea(8), PolygonArea(8, 40) * 60, 1e-6},
        {23, {5, 8, 5}, 2, PyramidArea(4), PolygonArea(4, 40) * 20, 1e-6},
        {24, {6, 10, 6}, 2, PyramidArea(5), PolygonArea(5, 40) * 20, 1e-6},
        {25, {7, 12, 7}, 2, PyramidArea(6), PolygonArea(6, 40) * 20, 1e-6},
        // Curved solids: close to the round solid, and a little smaller, as inscribed facets are.
        {2, {444, 910, 468}, 2, 4 * kPi * 1600, 4 * kPi * 64000 / 3, 0.02},
        {3, {145, 288, 145}, 2, 3 * kPi * 1600, 2 * kPi * 64000 / 3, 0.03},
        {10, {468, 936, 468}, 0, 4 * kPi * kPi * 400, 2 * kPi * kPi * 4000, 0.03},
        {9, {18, 48, 32}, 2, 4 * kPi * 1600, 4 * kPi * 64000 / 3, 0.35},  // only 32 faces
        // The sector as the builder makes it is open along four edges.
        {6, {14, 21, 8}, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.solid);
        const SolidMeasures m = MeasureSolid(MenuSolid(c.solid));
        EXPECT_EQ(m.TriangleMesh.Vertices, FindSolidMenuEntry(c.solid)->VertexCount);
        EXPECT_EQ(m.TriangleMesh.Faces, FindSolidMenuEntry(c.solid)->FaceCount);
        EXPECT_EQ(m.Solid.Vertices, c.counts.Vertices);
        EXPECT_EQ(m.Solid.Edges, c.counts.Edges);
        EXPECT_EQ(m.Solid.Faces, c.counts.Faces);
        EXPECT_EQ(m.EulerCharacteristic, c.euler);
        if (c.area > 0) {
            EXPECT_NEAR(m.SurfaceArea, c.area, c.tolerance * c.area);
            EXPECT_LE(m.SurfaceArea, c.area * (1 + 1e-6));
        }
        if (c.volume == 0) {
            EXPECT_FALSE(m.Volume.has_value());
            EXPECT_NE(m.VolumeNote.find("not closed"), std::string::npos) << m.VolumeNote;
        } else {
            ASSERT_TRUE(m.Volume.has_value()) << m.VolumeNote;
            EXPECT_NEAR(*m.Volume, c.volume, c.tolerance * c.volume);
            EXPECT_TRUE(m.VolumeNote.empty()) << m.VolumeNote;
        }
    }
}

TEST_F(SolidMeasuresTest, WhatCannotBeMeasuredIsSaidNotGuessed) {
    const SolidMesh cube = MenuSolid(0);
    SolidMesh inward = cube, flipped = cube, withSliver = cube, doubled = cube;
    for (auto& t : inward.Triangles) std::swap(t[1], t[2]);
    std::swap(flipped.Triangles[0][1], flipped.Triangles[0][2]);
    withSliver.Triangles.push_back({0, 1, 1});
    doubled.Triangles.push_back(cube.Triangles[0]);
    struct Case {
        const char* name;
        SolidMesh mesh;
        std::string note;  // part of the reason, or of the remark beside the volume
        bool volume;
    } cases[] = {
        {"no faces", SolidMesh{{{0, 0, 0}}, {}}, "no faces", false},
        {"one face turned round", flipped, "not wound consistently along 3 edges", false},
        {"a face used twice", doubled, "3 edges are shared by more than two faces", false},
        {"all faces turned round", inward, "wound inward", true},
        {"a face without area", withSliver, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolidMeasures m = MeasureSolid(c.mesh);
        EXPECT_EQ(m.Volume.has_value(), c.volume);
        if (c.volume) {
            EXPECT_NEAR(*m.Volume, 64000, 1e-6);
        }
        EXPECT_NE(m.VolumeNote.find(c.note), std::string::npos) << m.VolumeNote;
    }
    EXPECT_EQ(MeasureSolid(withSliver).DegenerateFaces, 1);
    // Turned round or not, coplanar triangles make one face.
    EXPECT_EQ(MeasureSolid(flipped).Solid.Faces, 6);
}

TEST_F(SolidMeasuresTest, ExactSolidsMatchTheirFormulas) {
    const double r = 40, h = 60;
    EXPECT_NEAR(*MeasureIdealSolid({IdealShape::Cone, r, h}).Volume, kPi * r * r * h / 3, 1e-9);
    EXPECT_NEAR(MeasureIdealSolid({IdealShape::Cone, r, h}).SurfaceArea, kPi * r * (r + std::hypot(r, h)),
                1e-9);
    EXPECT_NEAR(*MeasureIdealSolid({IdealShape::Sphere, r}).Volume, 4 * kPi * r * r * r / 3, 1e-9);
    EXPECT_NEAR(*MeasureIdealSolid({IdealShape::CylinderSector, 80, 20, 360}).Volume,
                *MeasureIdealSolid({IdealShape::Cylinder, 80, 20}).Volume, 1e-6);
    EXPECT_NEAR(*MeasureIdealSolid({IdealShape::Pyramid, r, h, 0, 4}).Volume, 2 * r * r * h / 3, 1e-9);
    EXPECT_FALSE(MeasureIdealSolid({IdealShape::Square, 80, 80}).Volume.has_value());
}

}  // namespace
}  // namespace quarn::testing
