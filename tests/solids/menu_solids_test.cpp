// Every solid the solid menu builds: counts, winding and the corner positions that define it.

#include <cmath>
#include <set>
#include <string>

#include "solids/solid_menu.hpp"
#include "solids_test_support.hpp"

namespace quarn::testing {
namespace {


enum class Outward { FromCentre, FromTorusCore, Up };

struct MenuCase {
    int index;
    int vertices;
    int faces;
    bool closed;
    Outward outward;
    void (*checkCorners)(Index mesh);
};

float DistanceFromAxis(const Vector3D& p) { return std::hypot(p.x, p.z); }

// The points of a ring at height y: their angle (degrees from +z towards +x) for each rim vertex.
std::set<long> RimAnglesAt(Index mesh, float y, float radius) {
    std::set<long> tenthsOfDegree;
    for (const Vector3D& p : VerticesOf(mesh))
        if (std::fabs(p.y - y) < 1e-3f && std::fabs(DistanceFromAxis(p) - radius) < 1e-3f) {
            double degrees = std::atan2(p.x, p.z) * 180 / 3.141592653589793;
            if (degrees < -1e-3) degrees += 360;
            tenthsOfDegree.insert(std::lround(degrees * 100));
        }
    return tenthsOfDegree;
}

void ExpectAllAtDistance(Index mesh, float radius) {
    for (const Vector3D& p : VerticesOf(mesh))
        EXPECT_NEAR(std::sqrt(double(p.x) * p.x + double(p.y) * p.y + double(p.z) * p.z), radius, 1e-3);
}

// A prism or pyramid of n sides with radius 40: its rings hold n points at radius 40, a step apart.
void ExpectRegularRings(Index mesh, int sides, std::initializer_list<float> ringHeights) {
    for (const float y : ringHeights) {
        const std::set<long> angles = RimAnglesAt(mesh, y, 40);
        EXPECT_EQ(static_cast<int>(angles.size()), sides) << "ring at y = " << y;
        EXPECT_TRUE(angles.count(0)) << "every ring starts at +z";
    }
}

const MenuCase kCases[] = {
    {0, 8, 12, true, Outward::FromCentre,
     [](Index m) {
         EXPECT_EQ(VertexOf(m, 6), (Vector3D{40, 40, 40}));
         const FaceRecord& first = Scene().Faces[Scene().Meshes[m].FirstFace];
         const Index v0 = Scene().Meshes[m].FirstVertex;
         EXPECT_EQ(first.VertexA - v0, 0);
         EXPECT_EQ(first.VertexB - v0, 4);
         EXPECT_EQ(first.VertexC - v0, 5);
         EXPECT_DOUBLE_EQ(SignedVolume(m), 64000);
     }},
    {1, 25, 32, false, Outward::Up,
     [](Index m) { EXPECT_EQ(VertexOf(m, 24), (Vector3D{80, 0, 80})); }},
    {2, 444, 884, true, Outward::FromCentre,
     [](Index m) {
         ExpectAllAtDistance(m, 40);
         const auto points = VerticesOf(m);
         // A fan of 26 faces round each pole.
         for (const float y : {40.0f, -40.0f}) {
             int fan = 0;
             for (int k = 0; k < Scene().Meshes[m].FaceCount; ++k) {
                 const std::array<int, 3> c = RelativeCorners(m, k);
                 for (const int v : c) fan += ContainsPoint({VertexOf(m, v)}, {0, y, 0}) ? 1 : 0;
             }
             EXPECT_EQ(fan, 26) << "pole at y = " << y;
         }
     }},
    {3, 146, 288, true, Outward::FromCentre,
     [](Index m) {
         EXPECT_EQ(RimAnglesAt(m, 0, 40).size(), 24u) << "the rim lies in y = 0";
         EXPECT_TRUE(ContainsPoint(VerticesOf(m), {0, 40, 0}));
         int baseFaces = 0;
         for (int k = 0; k < Scene().Meshes[m].FaceCount; ++k) {
             const Point n = FaceNormal(m, k);
             const bool down = n[1] < 0 && std::fabs(n[0]) < 1e-6 * -n[1] && std::fabs(n[2]) < 1e-6 * -n[1];
             if (down) ++baseFaces;
         }
         EXPECT_EQ(baseFaces, 24);
     }},
    {4, 48, 92, true, Outward::FromCentre,
     [](Index m) {
         ExpectRegularRings(m, 46, {0});
         EXPECT_TRUE(ContainsPoint(VerticesOf(m), {0, 60, 0}));
     }},
    {5, 94, 184, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 46, {0, 60}); }},
    {6, 14, 22, false, Outward::FromCentre,
     [](Index m) {
         const std::set<long> rim{0, 1125, 2250, 3375, 4500, 6000};
         EXPECT_EQ(RimAnglesAt(m, 20, 80), rim);
         EXPECT_EQ(RimAnglesAt(m, 0, 80), rim);
     }},
    {7, 4, 4, true, Outward::FromCentre,
     [](Index m) {
         ExpectAllAtDistance(m, 40);
         const Vector3D corner = VertexOf(m, 0);
         for (const float c : {corner.x, corner.y, corner.z}) EXPECT_NEAR(c, -23.094, 1e-3);
     }},
    {8, 6, 8, true, Outward::FromCentre,
     [](Index m) {
         const auto points = VerticesOf(m);
         for (const Vector3D p : {Vector3D{0, 40, 0}, {0, -40, 0}, {40, 0, 0}, {-40, 0, 0}, {0, 0, 40}, {0, 0, -40}})
             EXPECT_TRUE(ContainsPoint(points, p)) << p.x << ", " << p.y << ", " << p.z;
     }},
    {9, 18, 32, true, Outward::FromCentre, [](Index m) { ExpectAllAtDistance(m, 40); }},
    {10, 468, 936, true, Outward::FromTorusCore,
     [](Index m) {
         for (const Vector3D& p : VerticesOf(m)) {
             EXPECT_GE(DistanceFromAxis(p), 30 - 1e-3);
             EXPECT_LE(DistanceFromAxis(p), 50 + 1e-3);
             EXPECT_LE(std::fabs(p.y), 10 + 1e-3);
         }
     }},
    {19, 8, 12, true, Outward::FromCentre,
     [](Index m) {
         const auto points = VerticesOf(m);
         for (const Vector3D p : {Vector3D{0, 60, 40}, {34.641f, 60, -20}, {-34.641f, 60, -20}})
             EXPECT_TRUE(ContainsPoint(points, p)) << p.x << ", " << p.y << ", " << p.z;
         EXPECT_EQ(RimAnglesAt(m, 60, 40), (std::set<long>{0, 12000, 24000}));
     }},
    {20, 12, 20, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 5, {0, 60}); }},
    {21, 14, 24, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 6, {0, 60}); }},
    {22, 18, 32, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 8, {0, 60}); }},
    {23, 6, 8, true, Outward::FromCentre,
     [](Index m) {
         const auto points = VerticesOf(m);
         for (const Vector3D p : {Vector3D{0, 0, 40}, {40, 0, 0}, {0, 0, -40}, {-40, 0, 0}, {0, 60, 0}})
             EXPECT_TRUE(ContainsPoint(points, p)) << p.x << ", " << p.y << ", " << p.z;
     }},
    {24, 7, 10, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 5, {0}); }},
    {25, 8, 12, true, Outward::FromCentre, [](Index m) { ExpectRegularRings(m, 6, {0}); }},
};

class MenuSolidsTest : public SolidsTest {};

TEST_F(MenuSolidsTest, EverySolidHasItsCountsWindingAndCorners) {
    for (const MenuCase& c : kCases) {
        SCOPED_TRACE("menu index " + std::to_string(c.index));
        ResetScene();
        InitEngine();
        const SolidMenuEntry* entry = FindSolidMenuEntry(c.index);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->VertexCount, c.vertices);
        EXPECT_EQ(entry->FaceCount, c.faces);

        const Index mesh = BuildMenuSolid(c.index);
        ASSERT_EQ(mesh, 1);
        EXPECT_EQ(MeshCount(), 1);
        EXPECT_EQ(MeshOf(mesh).VertexCount, c.vertices);
        EXPECT_EQ(MeshOf(mesh).FaceCount, c.faces);
        EXPECT_TRUE(FacesWellFormed(mesh));

        if (c.closed) {
            EXPECT_TRUE(IsClosedSurface(mesh));
            EXPECT_GT(SignedVolume(mesh), 0);
        }
        Point mean{0, 0, 0};
        for (const Vector3D& p : VerticesOf(mesh)) {
            mean[0] += p.x / c.vertices;
            mean[1] += p.y / c.vertices;
            mean[2] += p.z / c.vertices;
        }
        const auto interiorNear = [&](const Point& at) -> Point {
            switch (c.outward) {
                case Outward::Up: return {at[0], at[1] - 1, at[2]};
                case Outward::FromTorusCore: {
                    const double r = std::hypot(at[0], at[2]);
                    return {40 * at[0] / r, 0, 40 * at[2] / r};
                }
                default: return mean;
            }
        };
        EXPECT_EQ(FacesNotFacingAway(mesh, interiorNear), 0);
        c.checkCorners(mesh);
    }
}

TEST_F(MenuSolidsTest, TableCoversTheMenuIndicesByNameToo) {
    std::set<int> indices;
    for (const SolidMenuEntry& e : SolidMenuEntries()) {
        indices.insert(e.Index);
        EXPECT_EQ(FindSolidMenuEntry(e.EnglishName), &e);
        EXPECT_EQ(e.Caption.empty(), e.Index == 6 || e.Index == 9);
    }
    EXPECT_EQ(indices, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(FindSolidMenuEntry("cone")->Caption, "圆锥");
    EXPECT_EQ(FindSolidMenuEntry(11), nullptr);
    EXPECT_EQ(BuildMenuSolid(11), 0);
    EXPECT_EQ(MeshCount(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quarn::testing
