// Refinements, the geodesic sphere and the surface effects.

#include <cmath>

#include "platform/engine_fault.hpp"
#include "solids/curved_solids.hpp"
#include "solids/polyhedra.hpp"
#include "solids/subdivision.hpp"
#include "solids/surface_effects.hpp"
#include "solids_test_support.hpp"

namespace quarn::testing {
namespace {

class SubdivisionTest : public SolidsTest {};

Point Origin(const Point&) { return {0, 0, 0}; }

double Length(const Vector3D& p) { return std::sqrt(double(p.x) * p.x + double(p.y) * p.y + double(p.z) * p.z); }

TEST_F(SubdivisionTest, MidpointsQuarterEveryFaceAndKeepTheWinding) {
    Index octahedron = CreateSphere(40, 4, 2);
    octahedron = SubdivideMidpoints(octahedron, 1);
    ASSERT_NE(octahedron, 0);
    EXPECT_EQ(MeshOf(octahedron).VertexCount, 18);
    EXPECT_EQ(MeshOf(octahedron).FaceCount, 32);
    EXPECT_TRUE(IsClosedSurface(octahedron));
    EXPECT_EQ(FacesNotFacingAway(octahedron, Origin), 0);

    const Index twice = SubdivideMidpoints(CreateSphere(40, 4, 2), 2);
    ASSERT_NE(twice, 0);
    EXPECT_EQ(MeshOf(twice).VertexCount, 66);
    EXPECT_EQ(MeshOf(twice).FaceCount, 128);
    EXPECT_TRUE(IsClosedSurface(twice));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SubdivisionTest, RefinedMeshComesBackUnderItsNewIndex) {
    const Index box = CreateBox({40, 40, 40});
    const Index octahedron = CreateSphere(40, 4, 2);
    ASSERT_EQ(box, 1);
    ASSERT_EQ(octahedron, 2);
    const Index refined = SubdivideMidpoints(box, 1);
    EXPECT_EQ(refined, 2);
    EXPECT_EQ(MeshCount(), 2);
    EXPECT_EQ(MeshOf(1).VertexCount, 6) << "the octahedron moved down to slot 1 untouched";
    EXPECT_EQ(MeshOf(refined).VertexCount, 8 + 18);
    EXPECT_EQ(MeshOf(refined).FaceCount, 48);
    EXPECT_DOUBLE_EQ(SignedVolume(refined), 64000);
}

TEST_F(SubdivisionTest, CentroidsSplitEachFaceInItsOwnPlane) {
    const Index box = SubdivideCentroids(CreateBox({40, 40, 40}), 1);
    ASSERT_NE(box, 0);
    EXPECT_EQ(MeshOf(box).VertexCount, 20);
    EXPECT_EQ(MeshOf(box).FaceCount, 36);
    EXPECT_TRUE(IsClosedSurface(box));
    EXPECT_DOUBLE_EQ(SignedVolume(box), 64000);
    // Every face still lies in a side of the box: one coordinate shared by its corners, at 0 or 40.
    for (int k = 0; k < 36; ++k) {
        const std::array<int, 3> c = RelativeCorners(box, k);
        const Vector3D a = VertexOf(box, c[0]), b = VertexOf(box, c[1]), d = VertexOf(box, c[2]);
        const bool inSide = (a.x == b.x && b.x == d.x && (a.x == 0 || a.x == 40)) ||
                            (a.y == b.y && b.y == d.y && (a.y == 0 || a.y == 40)) ||
                            (a.z == b.z && b.z == d.z && (a.z == 0 || a.z == 40));
        EXPECT_TRUE(inSide) << "face " << k;
    }
}

TEST_F(SubdivisionTest, MenuSphereTakesOnePassButNotTwo) {
    Index sphere = SubdivideMidpoints(CreateSphere(40, 26, 18), 1);
    ASSERT_NE(sphere, 0);
    EXPECT_EQ(MeshOf(sphere).VertexCount, 1770);
    EXPECT_EQ(MeshOf(sphere).FaceCount, 3536);
    EXPECT_TRUE(IsClosedSurface(sphere));
    EXPECT_TRUE(ui.messages.empty());

    // A second pass would need 14144 faces: the solid is gone and the failure is reported.
    EXPECT_EQ(SubdivideMidpoints(sphere, 1), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kMeshAllocationMessage});
    EXPECT_EQ(MeshCount(), 0);

    // Two passes in one call fail on the refinement's own capacity check, before a slot past 10000.
    ResetScene();
    InitEngine();
    EXPECT_EQ(SubdivideMidpoints(CreateSphere(40, 26, 18), 2), 0);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(MeshCount(), 0);
    EXPECT_EQ(FindFreeVertexRange(0), 1);
}

TEST_F(SubdivisionTest, GeodesicSphereKeepsEveryVertexOnTheSphere) {
    const Index once = CreateGeodesicSphere(40, 1);
    ASSERT_NE(once, 0);
    EXPECT_EQ(MeshOf(once).VertexCount, 18);
    for (const Vector3D& p : VerticesOf(once)) EXPECT_NEAR(Length(p), 40, 1e-4);

    const Index thrice = CreateGeodesicSphere(10, 3);
    ASSERT_NE(thrice, 0);
    EXPECT_EQ(MeshOf(thrice).VertexCount, 258);
    EXPECT_EQ(MeshOf(thrice).FaceCount, 512);
    EXPECT_EQ(FacesNotFacingAway(thrice, Origin), 0);

    const Index none = CreateGeodesicSphere(40, 0);
    EXPECT_EQ(MeshOf(none).VertexCount, 6);
    EXPECT_EQ(MeshOf(none).FaceCount, 8);
}

TEST_F(SubdivisionTest, RippleRaisesConcentricWaves) {
    const Index grid = CreateGridPlane(80, 80, 10, 10, 0);
    CenterMesh(grid);
    ApplyRipple(grid, 40, 20, 0);
    for (const Vector3D& p : VerticesOf(grid)) {
        EXPECT_GE(p.y, -10);
        EXPECT_LE(p.y, 10);
        const double d = std::hypot(p.x, p.z);
        if (d < 1e-3) {
            EXPECT_EQ(p.y, 0);
        } else if (std::fabs(d - 8) < 1e-3) {
            EXPECT_NEAR(p.y, 9.511, 1e-3);
        }
    }
    EXPECT_EQ(VertexOf(grid, 60).y, 0) << "the centre vertex";
    EXPECT_NEAR(VertexOf(grid, 61).y, 9.511, 1e-3);

    // A zero wavelength is an impossible division; the mesh is left as it was.
    const std::vector<Vector3D> before = VerticesOf(grid);
    EXPECT_THROW(ApplyRipple(grid, 0, 20, 0), ArithmeticError);
    EXPECT_EQ(VerticesOf(grid), before);
}

TEST_F(SubdivisionTest, AxisGradientRunsFromLowToHigh) {
    const ColorRGB16 blue{0, 0, 255}, red{255, 0, 0};
    const Index box = CreateBox({40, 40, 40});
    ApplyAxisGradient(box, 2, blue, red, 0.25f);
    const auto faceColor = [&](int k) { return Scene().Faces[MeshOf(box).FirstFace + k].Color; };
    EXPECT_EQ(faceColor(8), blue) << "bottom face, all corners at the minimum";
    EXPECT_EQ(faceColor(10), red) << "top face, all corners at the maximum";
    // A side face with two corners low and one high sits a third of the way up.
    EXPECT_EQ(faceColor(1), ColorLerp(blue, red, 1.0f / 3));
    for (int k = 0; k < 12; ++k) EXPECT_EQ(Scene().Faces[MeshOf(box).FirstFace + k].Diffuse, 0.25f);

    // No axis, or no extent along it: everything gets the low colour.
    ApplyAxisGradient(box, 4, blue, red, 0.5f);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(faceColor(k), blue);
    const Index plane = CreateGridPlane(80, 80, 4, 4, 0);
    ApplyAxisGradient(plane, 2, red, blue, 0.5f);
    for (int f = MeshOf(plane).FirstFace; f <= RangeLast(MeshOf(plane).FirstFace, MeshOf(plane).FaceCount); ++f)
        EXPECT_EQ(Scene().Faces[f].Color, red);
}

TEST_F(SubdivisionTest, RandomFaceColorsStayInRange) {
    const Index sphere = CreateSphere(40, 26, 18);
    RandomizeFaceColors(sphere);
    int distinct = 0;
    const MeshRecord& m = MeshOf(sphere);
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = Scene().Faces[f];
        EXPECT_GE(face.Diffuse, 0);
        EXPECT_LT(face.Diffuse, 1);
        for (const int c : {face.Color.Red, face.Color.Green, face.Color.Blue}) {
            EXPECT_GE(c, 0);
            EXPECT_LE(c, 255);
        }
        if (f > m.FirstFace && !(face.Color == Scene().Faces[f - 1].Color)) ++distinct;
    }
    EXPECT_GT(distinct, m.FaceCount / 2);
}

}  // namespace
}  // namespace quarn::testing
