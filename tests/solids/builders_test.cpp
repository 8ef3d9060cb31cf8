// The builders beyond their menu forms: two-sided grids, sector snapping, the capacity failures on the
// unwelded counts, zero counts, and faults part-way through a build.

#include <cmath>
#include <set>

#include "platform/engine_fault.hpp"
#include "solids/curved_solids.hpp"
#include "solids/polyhedra.hpp"
#include "solids/prism_family.hpp"
#include "solids_test_support.hpp"

namespace quarn::testing {
namespace {

class BuildersTest : public SolidsTest {};

// Rim angles in hundredths of a degree of the ring at height y and the given radius.
std::set<long> RimAngles(Index mesh, float y, float radius) {
    std::set<long> angles;
    for (const Vector3D& p : VerticesOf(mesh))
        if (std::fabs(p.y - y) < 1e-3f && std::fabs(std::hypot(p.x, p.z) - radius) < 1e-3f) {
            double degrees = std::atan2(p.x, p.z) * 180 / 3.141592653589793;
            if (degrees < -1e-3) degrees += 360;
            angles.insert(std::lround(degrees * 100));
        }
    return angles;
}

TEST_F(BuildersTest, GridPlaneIsTwoSidedOnlyForMinusOne) {
    const Index twoSided = CreateGridPlane(80, 80, 4, 4, -1);
    ASSERT_NE(twoSided, 0);
    EXPECT_EQ(MeshOf(twoSided).VertexCount, 25);
    ASSERT_EQ(MeshOf(twoSided).FaceCount, 64);
    for (int k = 0; k < 64; ++k) {
        // Per cell: A, B facing +y, then A and B reversed facing -y.
        const double y = FaceNormal(twoSided, k)[1];
        EXPECT_EQ(y > 0, k % 4 < 2) << "face " << k;
    }
    EXPECT_EQ(RelativeCorners(twoSided, 2), (std::array<int, 3>{RelativeCorners(twoSided, 0)[0],
                                                                RelativeCorners(twoSided, 0)[2],
                                                                RelativeCorners(twoSided, 0)[1]}));

    const Index oneSided = CreateGridPlane(80, 80, 4, 4, 1);
    ASSERT_NE(oneSided, 0);
    EXPECT_EQ(MeshOf(oneSided).FaceCount, 32);
    for (int k = 0; k < 32; ++k) EXPECT_GT(FaceNormal(oneSided, k)[1], 0);
}

TEST_F(BuildersTest, SectorSnapsItsEndsOntoTheRing) {
    // 60 degrees in 11.25 degree steps: the 56.25 column is pulled to 60; column 0 has no column before
    // it, so the 0 degree side stays open.
    const Index open = CreateCylinderSector(80, 20, 0, 60, 32);
    ASSERT_NE(open, 0);
    EXPECT_EQ(MeshOf(open).VertexCount, 14);
    EXPECT_EQ(MeshOf(open).FaceCount, 22);
    EXPECT_FALSE(IsClosedSurface(open));
    for (int k = 0; k < MeshOf(open).FaceCount; ++k) {
        const Point n = FaceNormal(open, k);
        EXPECT_FALSE(std::fabs(n[1]) < 1e-6 && std::fabs(n[2]) < 1e-6 && n[0] < 0) << "face on the 0 degree side";
    }

    // 90..200 in 22.5 degree steps: the 180 column is pulled to 200 and both cut sides are closed.
    const Index closed = CreateCylinderSector(40, 10, 90, 200, 16);
    ASSERT_NE(closed, 0);
    EXPECT_EQ(MeshOf(closed).VertexCount, 12);
    EXPECT_EQ(MeshOf(closed).FaceCount, 20);
    const std::set<long> rim{9000, 11250, 13500, 15750, 20000};
    EXPECT_EQ(RimAngles(closed, 10, 40), rim);
    EXPECT_EQ(RimAngles(closed, 0, 40), rim);
    EXPECT_TRUE(IsClosedSurface(closed));
    EXPECT_GT(SignedVolume(closed), 0);

    // Ends on ring columns: the columns a whole step before them stay on the rim, whatever the rounding.
    for (const float start : {0.0f, 90.0f, 180.0f, 270.0f}) {
        const Index quarter = CreateCylinderSector(40, 10, start, start + 90, 16);
        ASSERT_NE(quarter, 0);
        EXPECT_EQ(RimAngles(quarter, 10, 40).size(), 5u) << "from " << start;
        EXPECT_EQ(MeshOf(quarter).VertexCount, 12) << "from " << start;
    }
}

TEST_F(BuildersTest, HemisphereRimStaysInTheBasePlane) {
    const Index dome = CreateHemisphere(40, 12, 6);
    ASSERT_NE(dome, 0);
    EXPECT_EQ(MeshOf(dome).VertexCount, 74);
    EXPECT_EQ(MeshOf(dome).FaceCount, 144);
    EXPECT_EQ(RimAngles(dome, 0, 40).size(), 12u);
    for (const Vector3D& p : VerticesOf(dome)) EXPECT_GT(p.y, -1e-5f);
    EXPECT_TRUE(IsClosedSurface(dome));
}

TEST_F(BuildersTest, NearlyFullPoolsFailOnTheUnweldedCounts) {
    // 16 unwelded vertex slots are needed, only 10 are left, though the welded prism has 8.
    OccupySlotsUpTo(9990, 1);
    EXPECT_EQ(CreatePrism(40, 60, 3), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kMeshAllocationMessage});
    EXPECT_EQ(MeshCount(), 1);

    // The sphere needs 513 vertex slots while it is built although 444 remain: 500 are not enough.
    ResetScene();
    InitEngine();
    OccupySlotsUpTo(9500, 1);
    EXPECT_EQ(CreateSphere(40, 26, 18), 0);
    EXPECT_EQ(MeshCount(), 1);

    // Faces run out the same way: the torus writes 936 before welding.
    ResetScene();
    InitEngine();
    OccupySlotsUpTo(1, 9100);
    EXPECT_EQ(CreateTorus(40, 10, 26, 18), 0);
    EXPECT_EQ(MeshCount(), 1);
    EXPECT_EQ(ui.messages.size(), 3u);
    // The slots the failed build had written are free again.
    EXPECT_EQ(FindFreeFaceRange(0), 9101);
}

TEST_F(BuildersTest, GrownMeshStaysWhereItGrewWhenItsCopyCannotFit) {
    // The sphere grows into 9401..9913; its welded copy would need 9845..10288.
    OccupySlotsUpTo(9400, 1);
    const Index sphere = CreateSphere(40, 26, 18);
    ASSERT_EQ(sphere, 2);
    EXPECT_EQ(MeshOf(sphere).FirstVertex, 9401);
    EXPECT_EQ(MeshOf(sphere).VertexCount, 444);
    EXPECT_EQ(MeshOf(sphere).FaceCount, 884);
    EXPECT_TRUE(FacesWellFormed(sphere));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BuildersTest, ZeroCountsFailBeforeAnyMeshExists) {
    EXPECT_THROW(CreatePrism(40, 60, 0), ArithmeticError);
    EXPECT_THROW(CreatePyramid(40, 60, 0), ArithmeticError);
    EXPECT_THROW(CreateCylinderSector(40, 10, 0, 90, 0), ArithmeticError);
    EXPECT_THROW(CreateGridPlane(80, 80, 0, 4, 0), ArithmeticError);
    EXPECT_THROW(CreateGridPlane(80, 80, 4, 0, 0), ArithmeticError);
    EXPECT_THROW(CreateSphere(40, 0, 18), ArithmeticError);
    EXPECT_THROW(CreateSphere(40, 26, 0), ArithmeticError);
    EXPECT_THROW(CreateHemisphere(40, 24, 0), ArithmeticError);
    EXPECT_THROW(CreateTorus(40, 10, 26, 0), ArithmeticError);
    EXPECT_EQ(MeshCount(), 0);
    EXPECT_EQ(FindFreeVertexRange(0), 1);
}

TEST_F(BuildersTest, FaultPartWayLeavesNoHalfBuiltMesh) {
    // The outer equator of this torus overflows a float after its mesh was created.
    EXPECT_THROW(CreateTorus(3e38f, 3e38f, 4, 4), ArithmeticError);
    // The scale factor of this tetrahedron overflows after its corners were written.
    EXPECT_THROW(CreateTetrahedron(3e38f), ArithmeticError);
    EXPECT_EQ(MeshCount(), 0);
    EXPECT_NE(CreateBox({1, 2, 3}), 0);
    EXPECT_EQ(MeshOf(1).FirstVertex, 1);
}

}  // namespace
}  // namespace quarn::testing
