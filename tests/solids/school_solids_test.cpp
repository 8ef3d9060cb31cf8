// The school families: counts as a teacher counts them, closed and outward meshes, measures against
// formulas worked by hand, the letters of their corners, and the largest solids the tables take.

#include "solids/school_solids.hpp"

#include <cmath>
#include <map>
#include <numbers>

#include "geometry/solid_measures.hpp"
#include "geometry/vertex_labels.hpp"
#include "geometry/worked_formulas.hpp"
#include "scene/store_consistency.hpp"
#include "solids_test_support.hpp"

namespace quarn::testing {
namespace {

constexpr double kPi = std::numbers::pi;

class SchoolSolidsTest : public SolidsTest {
  protected:
    static SolidMesh Build(const SchoolSolid& solid) {
        const Index mesh = BuildSchoolSolid(solid);
        EXPECT_NE(mesh, 0);
        return ReadSceneMesh(mesh);
    }
};

// A regular n-gon of circumradius r: area, side and apothem.
double NgonArea(int n, double r) { return n * r * r * std::sin(2 * kPi / n) / 2; }
double NgonSide(int n, double r) { return 2 * r * std::sin(kPi / n); }
double Apothem(int n, double r) { return r * std::cos(kPi / n); }

TEST_F(SchoolSolidsTest, PolyhedralFamiliesCountAndMeasureAsTheirFormulas) {
    const double sq3 = std::sqrt(3.0);
    struct Case {
        const char* text;
        ElementCounts counts;
        double volume, area;  // worked by hand here, not through the exact-solid code
    } cases[] = {
        {"cuboid:a=40,b=30,c=20", {8, 12, 6}, 24000, 2 * (1200 + 600 + 800)},
        {"cuboid:a=0.5,b=7,c=10000", {8, 12, 6}, 35000, 2 * (3.5 + 70000 + 5000)},
        {"prism:n=3,r=10,h=5", {6, 9, 5}, 75 * sq3 * 5, 2 * 75 * sq3 + 3 * 10 * sq3 * 5},
        {"prism:n=64,r=30,h=50", {128, 192, 66}, NgonArea(64, 30) * 50,
         2 * NgonArea(64, 30) + 64 * NgonSide(64, 30) * 50},
        {"pyramid:n=4,r=40,h=60", {5, 8, 5}, 3200.0 * 60 / 3,
         3200 + 4 * NgonSide(4, 40) * std::hypot(60, Apothem(4, 40)) / 2},
        {"pyramid:n=25,r=10,h=1000", {26, 50, 26}, NgonArea(25, 10) * 1000 / 3,
         NgonArea(25, 10) + 25 * NgonSide(25, 10) * std::hypot(1000, Apothem(25, 10)) / 2},
        {"frustum:n=4,r1=40,r2=20,h=30", {8, 12, 6}, 10.0 * (3200 + 1600 + 800),
         3200 + 800 + 4 * (NgonSide(4, 40) + NgonSide(4, 20)) / 2 * std::hypot(30, Apothem(4, 40) - Apothem(4, 20))},
        {"frustum:n=7,r1=40,r2=20,h=30", {14, 21, 9},
         30.0 / 3 * (NgonArea(7, 40) + std::sqrt(NgonArea(7, 40) * NgonArea(7, 20)) + NgonArea(7, 20)),
         NgonArea(7, 40) + NgonArea(7, 20) +
             7 * (NgonSide(7, 40) + NgonSide(7, 20)) / 2 * std::hypot(30, Apothem(7, 40) - Apothem(7, 20))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ResetScene(), InitEngine();
        const SchoolSolid solid = ParseSchoolSolid(c.text);
        const SolidMeasures m = MeasureSolid(Build(solid));
        EXPECT_EQ(m.Solid.Vertices, c.counts.Vertices);
        EXPECT_EQ(m.Solid.Edges, c.counts.Edges);
        EXPECT_EQ(m.Solid.Faces, c.counts.Faces);
        EXPECT_EQ(m.EulerCharacteristic, 2);
        EXPECT_EQ(m.BoundaryEdges + m.InconsistentEdges + m.OverSharedEdges, 0);
        ASSERT_TRUE(m.Volume.has_value());
        EXPECT_TRUE(m.VolumeNote.empty()) << m.VolumeNote;  // not wound inward
        EXPECT_NEAR(*m.Volume / c.volume, 1, 1e-4);
        EXPECT_NEAR(m.SurfaceArea / c.area, 1, 1e-4);
        const IdealMeasures exact = MeasureIdealSolid(IdealSolidOf(solid));
        EXPECT_NEAR(*exact.Volume / c.volume, 1, 1e-12);
        EXPECT_NEAR(exact.SurfaceArea / c.area, 1, 1e-12);
    }
}

TEST_F(SchoolSolidsTest, CurvedFamiliesApproachTheirExactSolidAsTheFacetsGrow) {
    struct Case {
        const char* family;  // parameters follow, then n
        double volume, area;
    } cases[] = {
        {"cylinder:r=30,h=80", kPi * 900 * 80, 2 * kPi * 900 + 2 * kPi * 30 * 80},
        {"cone:r=40,h=60", kPi * 1600 * 60 / 3, kPi * 1600 + kPi * 40 * std::hypot(40, 60)},
        {"cone-frustum:r1=40,r2=20,h=30", kPi * 30 * (1600 + 800 + 400) / 3,
         kPi * 60 * std::hypot(30, 20) + kPi * (1600 + 400)},
        {"sphere:r=40", 4 * kPi * 64000 / 3, 4 * kPi * 1600},
        {"hemisphere:r=40", 2 * kPi * 64000 / 3, 3 * kPi * 1600},
    };
    for (const Case& c : cases) {
        double lastError = 1;
        for (const int n : {8, 24, 64}) {
            const std::string text = std::string(c.family) + ",n=" + std::to_string(n);
            SCOPED_TRACE(text);
            ResetScene(), InitEngine();
            const SchoolSolid solid = ParseSchoolSolid(text);
            const SolidMeasures m = MeasureSolid(Build(solid));
            EXPECT_EQ(m.EulerCharacteristic, 2);
            ASSERT_TRUE(m.Volume.has_value()) << m.VolumeNote;
            EXPECT_TRUE(m.VolumeNote.empty()) << m.VolumeNote;
            const IdealMeasures exact = MeasureIdealSolid(IdealSolidOf(solid));
            EXPECT_NEAR(*exact.Volume / c.volume, 1, 1e-12);
            EXPECT_NEAR(exact.SurfaceArea / c.area, 1, 1e-12);
            // Inscribed facets: a little less than the exact solid, and less so with more of them.
            const double error = std::max(1 - *m.Volume / c.volume, 1 - m.SurfaceArea / c.area);
            EXPECT_GT(error, -1e-6);
            EXPECT_LT(error, lastError);
            lastError = error;
        }
        EXPECT_LT(lastError, 5e-3) << c.family;
    }
}

TEST_F(SchoolSolidsTest, CornersAreLetteredAsATextbookLettersThem) {
    const auto letters = [&](const char* text) {
        ResetScene(), InitEngine();
        std::map<std::string, Point3> named;
        for (const LetteredCorner& c : LetterSolidCorners(Build(ParseSchoolSolid(text)), 0)) named[c.Name] = c.At;
        return named;
    };
    const auto distance = [](const Point3& a, const Point3& b) { return LengthOf(a - b); };

    // ABCD-A1B1C1D1: AB the length across the front, AD the width going back, AA1 the height.
    auto cuboid = letters("cuboid:a=40,b=30,c=20");
    ASSERT_EQ(cuboid.size(), 8u);
    EXPECT_NEAR(distance(cuboid["A"], cuboid["B"]), 40, 1e-4);
    EXPECT_NEAR(distance(cuboid["A"], cuboid["D"]), 30, 1e-4);
    EXPECT_NEAR(distance(cuboid["A"], cuboid["A1"]), 20, 1e-4);
    EXPECT_NEAR(distance(cuboid["C"], cuboid["C1"]), 20, 1e-4);
    EXPECT_LT(cuboid["A"].z, cuboid["D"].z);  // the front is towards -z
    EXPECT_LT(cuboid["A"].x, cuboid["B"].x);

    // A frustum's top corners take the base's letters with subscript 1, each over its own base corner.
    auto frustum = letters("frustum:n=5,r1=40,r2=10,h=30");
    ASSERT_EQ(frustum.size(), 10u);
    for (const char* base : {"A", "B", "C", "D", "E"}) {
        const Point3 a = frustum[base], a1 = frustum[std::string(base) + "1"];
        EXPECT_NEAR(a1.y - a.y, 30, 1e-4);
        EXPECT_NEAR(std::hypot(a1.x, a1.z) * 4, std::hypot(a.x, a.z), 1e-3);
        EXPECT_NEAR(a1.x * a.z - a1.z * a.x, 0, 1e-3) << base;
    }

    // A pyramid's apex is P; a 20-sided prism still gets all its letters.
    auto pyramid = letters("pyramid:n=6,r=30,h=50");
    EXPECT_EQ(pyramid.size(), 7u);
    EXPECT_EQ(pyramid.count("P"), 1u);
    EXPECT_EQ(letters("prism:n=20,r=30,h=50").size(), 40u);
}

TEST_F(SchoolSolidsTest, TheLargestSolidsFitTheTablesOrSayErrorOne) {
    const char* largest[] = {
        "prism:n=64,r=10000,h=10000",         "pyramid:n=64,r=10000,h=10000",
        "frustum:n=64,r1=10000,r2=9999,h=1",  "cylinder:r=10000,h=10000,n=256",
        "cone:r=10000,h=10000,n=256",         "cone-frustum:r1=10000,r2=0.001,h=10000,n=256",
        "sphere:r=10000,n=128,rings=128",     "hemisphere:r=10000,n=128,rings=64",
        "sphere:r=0.01,n=64",                 "cone-frustum:r1=0.02,r2=0.01,h=0.001,n=256",
        "cuboid:a=10000,b=10000,c=10000",
    };
    for (const char* text : largest) {
        SCOPED_TRACE(text);
        ResetScene(), InitEngine();
        ui.messages.clear();
        const Index mesh = BuildSchoolSolid(ParseSchoolSolid(text));
        EXPECT_EQ(FindStoreInconsistency(), "");
        if (mesh == 0) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, kMeshAllocationMessage);
            EXPECT_EQ(MeshCount(), 0);
        } else {
            EXPECT_TRUE(IsClosedSurface(mesh));
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST_F(SchoolSolidsTest, TextsReadBackAndWorkTheirFormulas) {
    for (const char* text : {"cuboid:a=40,b=30,c=20", "frustum:n=4,r1=40,r2=20,h=30", "cone:r=40,h=60,n=46",
                             "sphere:r=40,n=26,rings=18", "hemisphere:r=2.5,n=24,rings=6"})
        EXPECT_EQ(DescribeSchoolSolid(ParseSchoolSolid(text)), text);
    // Left out, the facets follow the menu's solids, and a sphere's rows follow its facets round.
    EXPECT_EQ(DescribeSchoolSolid(ParseSchoolSolid("cylinder:h=80,r=30")), "cylinder:r=30,h=80,n=46");
    EXPECT_EQ(DescribeSchoolSolid(ParseSchoolSolid("sphere:r=1,n=52")), "sphere:r=1,n=52,rings=36");

    const WorkedFormulas cone = WorkIdealFormulas(IdealSolidOf(ParseSchoolSolid("cone:r=40,h=60")));
    EXPECT_EQ(cone.Volume, "V = 1/3·π·r²·h = 1/3·π·40²·60");
    EXPECT_EQ(cone.SurfaceArea, "S = π·r² + π·r·l = π·40² + π·40·√(40² + 60²)");
    // The base's area is S底, apart from the surface area S表.
    const WorkedFormulas prism = WorkIdealFormulas(IdealSolidOf(ParseSchoolSolid("prism:n=4,r=40,h=60")));
    EXPECT_EQ(prism.Volume, "V = S底·h = 3200·60 (S底 = 4/2·40²·sin(360°/4))");
    EXPECT_EQ(prism.SurfaceArea.rfind("S表 = 2·S底 + n·a·h = ", 0), 0u) << prism.SurfaceArea;
    const WorkedFormulas frustum = WorkIdealFormulas(IdealSolidOf(ParseSchoolSolid("frustum:n=4,r1=40,r2=20,h=30")));
    EXPECT_EQ(frustum.Volume.substr(0, frustum.Volume.find(" (")),
              "V = 1/3·h·(S1 + √(S1·S2) + S2) = 1/3·30·(3200 + √(3200·800) + 800)");
}

}  // namespace
}  // namespace quarn::testing
