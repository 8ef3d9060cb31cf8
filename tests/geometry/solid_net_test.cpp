// Nets of the menu solids and the school families: one piece, faces congruent to the solid's and not
// overlapping, the right area, the customary shapes, glue tabs, and folding back onto the solid.

#include "geometry/solid_net.hpp"

#include <cmath>
#include <map>
#include <numbers>
#include <numeric>

#include "geometry/net_folding.hpp"
#include "geometry/net_layout.hpp"
#include "geometry/net_tabs.hpp"
#include "geometry/solid_measures.hpp"
#include "support/solid_fixture.hpp"

namespace quarn::testing {
namespace {

constexpr double kPi = std::numbers::pi;

class SolidNetTest : public SolidTest {};

double OutlineArea(const std::vector<Point2>& outline) {
    double area = 0;
    for (std::size_t i = 0; i < outline.size(); ++i)
        area += CrossProduct2(outline[i], outline[(i + 1) % outline.size()]);
    return area / 2;
}

double Nearest(const Point3& p, const std::vector<Point3>& points) {
    double best = INFINITY;
    for (const Point3& q : points) best = std::min(best, LengthOf(q - p));
    return best;
}

int FindSet(std::vector<int>& parent, int i) {
    return parent[i] == i ? i : parent[i] = FindSet(parent, parent[i]);
}

// Folded at t = 1, every triangle of the net faces away from the solid's centre: the net has the
// printed side out, whatever kind it is.
void ExpectOutsideOut(const SolidNet& net, const SolidMesh& solid, const std::string& name) {
    Point3 centre;
    for (const Point3& p : solid.Points) centre = centre + p * (1.0 / solid.Points.size());
    const SolidMesh folded = FoldNet(net, 1);
    int inward = 0;
    for (const auto& t : folded.Triangles) {
        const Point3 &a = folded.Points[t[0]], &b = folded.Points[t[1]], &c = folded.Points[t[2]];
        const Point3 n = CrossProduct(b - a, c - a);
        if (LengthOf(n) < 1e-9) continue;
        if (DotProduct(n, (a + b + c) * (1.0 / 3) - centre) < 0) ++inward;
    }
    EXPECT_EQ(inward, 0) << name;
}

TEST_F(SolidNetTest, PolyhedraUnfoldIntoOneTreeOfCongruentFacesWithoutOverlap) {
    struct Case {
        const char* name;
        int menu;            // -1: the family
        const char* family;
        const char* layout;  // "": any searched layout
    } cases[] = {
        {"cube", 0, nullptr, "cross"},
        {"tetrahedron", 7, nullptr, ""},
        {"octahedron", 8, nullptr, ""},
        {"geodesic sphere", 9, nullptr, ""},
        {"triangular prism", 19, nullptr, "strip"},
        {"hexagonal prism", 21, nullptr, "strip"},
        {"octagonal prism", 22, nullptr, "strip"},
        {"square pyramid", 23, nullptr, "star"},
        {"hexagonal pyramid", 25, nullptr, "star"},
        {"cuboid", -1, "cuboid:a=40,b=30,c=20", "cross"},
        {"prism", -1, "prism:n=7,r=30,h=50", "strip"},
        {"pyramid", -1, "pyramid:n=9,r=30,h=20", "star"},
        {"square frustum", -1, "frustum:n=4,r1=40,r2=20,h=30", "strip"},
        {"hexagonal frustum", -1, "frustum:n=6,r1=40,r2=30,h=10", ""},
    };
    for (const Case& c : cases) {
        ResetScene();
        InitEngine();
        const SolidMesh mesh = c.menu >= 0 ? MenuSolid(c.menu) : SchoolSolidMesh(c.family);
        const SolidMeasures measures = MeasureSolid(mesh);
        SolidNet net = UnfoldSolid({mesh, std::nullopt, 0});
        const int faces = int(net.Faces.size());
        EXPECT_EQ(net.Kind, NetKind::Polyhedral) << c.name;
        EXPECT_EQ(faces, measures.Solid.Faces) << c.name;
        EXPECT_EQ(net.Pieces, 1) << c.name;
        if (*c.layout) {
            EXPECT_EQ(net.Layout, c.layout) << c.name;
        }
        // The folds join every face once: a tree.
        ASSERT_EQ(int(net.Folds.size()), faces - 1) << c.name;
        std::vector<int> parent(faces);
        std::iota(parent.begin(), parent.end(), 0);
        for (const NetFold& f : net.Folds) parent[FindSet(parent, f.A.Face)] = FindSet(parent, f.B.Face);
        for (int f = 0; f < faces; ++f) EXPECT_EQ(FindSet(parent, f), FindSet(parent, 0)) << c.name;
        EXPECT_EQ(int(net.Cuts.size()), measures.Solid.Edges - (faces - 1)) << c.name;

        double area = 0;
        const double tolerance = 1e-4;  // a tenth of a micrometre at 1 mm per unit
        for (int f = 0; f < faces; ++f) {
            const NetFace& face = net.Faces[f];
            const std::size_t n = face.Outline.size();
            EXPECT_GT(OutlineArea(face.Outline), 0) << c.name << ": counter-clockwise";
            area += OutlineArea(face.Outline);
            for (std::size_t i = 0; i < n; ++i)
                EXPECT_NEAR(LengthOf(face.Outline[(i + 1) % n] - face.Outline[i]),
                            LengthOf(face.Corners[(i + 1) % n] - face.Corners[i]), 1e-4)
                    << c.name << " face " << f << " edge " << i;
            for (int g = f + 1; g < faces; ++g)
                EXPECT_FALSE(ConvexOverlap(face.Outline, net.Faces[g].Outline, tolerance))
                    << c.name << ": faces " << f << " and " << g << " overlap";
        }
        EXPECT_NEAR(area, measures.SurfaceArea, 1e-6 * measures.SurfaceArea) << c.name;
        EXPECT_NEAR(net.Area, measures.SurfaceArea, 1e-6 * measures.SurfaceArea) << c.name;

        // Folded shut, the net is the solid again; half folded it is neither flat nor shut.
        const std::vector<Point3> closed = FoldNetPoints(net, 1);
        for (const Point3& p : closed) EXPECT_LT(Nearest(p, mesh.Points), 1e-3) << c.name;
        for (const NetFace& face : net.Faces)
            for (const Point3& corner : face.Corners) EXPECT_LT(Nearest(corner, closed), 1e-3) << c.name;
        ExpectOutsideOut(net, mesh, c.name);

        // One tab for each cut pair, numbered as the cut, overlapping no face.
        AddGlueTabs(net);
        ASSERT_EQ(net.Tabs.size(), net.Cuts.size()) << c.name;
        std::map<int, int> numbers;
        for (const NetTab& tab : net.Tabs) {
            ++numbers[tab.Number];
            const FlatTriangles cover{tab.Outline, {{0, 1, 2}, {0, 2, 3}}};
            for (const NetFace& face : net.Faces)
                EXPECT_FALSE(CoversOverlap(cover, face.Cover, tolerance)) << c.name << ": tab " << tab.Number;
        }
        for (const NetCut& cut : net.Cuts) EXPECT_EQ(numbers[cut.Number], 1) << c.name;
    }
}

TEST_F(SolidNetTest, TheCubeUnfoldsIntoACross) {
    const SolidNet net = UnfoldSolid({MenuSolid(0), std::nullopt, 0});
    const Box2 box = NetBounds(net);
    EXPECT_NEAR(box.Width(), 160, 1e-4);  // four in a row
    EXPECT_NEAR(box.Height(), 120, 1e-4);  // one above and one below
    // The faces above and below the row sit over the same face of it.
    std::map<long, int> columns;
    for (const NetFace& f : net.Faces) {
        Box2 b;
        for (const Point2& p : f.Outline) b.Add(p);
        ++columns[std::lround(b.MinX)];
    }
    int threes = 0;
    for (const auto& [x, count] : columns) threes += count == 3;
    EXPECT_EQ(columns.size(), 4u);
    EXPECT_EQ(threes, 1);
}

TEST_F(SolidNetTest, CurvedSolidsDevelopIntoTheirExactParts) {
    struct Case {
        const char* name;
        int menu;
        const char* family;
        IdealSolid exact;
        std::vector<PartShape> shapes;
    } cases[] = {
        {"cylinder", 5, nullptr, {IdealShape::Cylinder, 40, 60}, {PartShape::Rectangle, PartShape::Disc, PartShape::Disc}},
        {"cone", 4, nullptr, {IdealShape::Cone, 40, 60}, {PartShape::Sector, PartShape::Disc}},
        {"cone frustum", -1, "cone-frustum:r1=40,r2=20,h=30", {IdealShape::ConeFrustum, 40, 20, 30},
         {PartShape::AnnularSector, PartShape::Disc, PartShape::Disc}},
        {"thin cylinder", -1, "cylinder:r=10,h=80,n=7", {IdealShape::Cylinder, 10, 80},
         {PartShape::Rectangle, PartShape::Disc, PartShape::Disc}},
        {"sphere", 2, nullptr, {IdealShape::Sphere, 40}, std::vector<PartShape>(12, PartShape::Gore)},
        {"hemisphere", 3, nullptr, {IdealShape::Hemisphere, 40}, {}},
    };
    for (const Case& c : cases) {
        ResetScene();
        InitEngine();
        const SolidMesh mesh = c.menu >= 0 ? MenuSolid(c.menu) : SchoolSolidMesh(c.family);
        SolidNet net = UnfoldSolid({mesh, c.exact, 30});
        EXPECT_EQ(net.Kind, NetKind::Developed) << c.name;
        if (!c.shapes.empty()) {
            ASSERT_EQ(net.Parts.size(), c.shapes.size()) << c.name;
            for (std::size_t k = 0; k < c.shapes.size(); ++k) EXPECT_EQ(net.Parts[k].Shape, c.shapes[k]) << c.name;
        }
        const double surface = MeasureIdealSolid(c.exact).SurfaceArea;
        EXPECT_NEAR(net.Area, surface, 1e-9 * surface) << c.name;
        double traced = 0;
        for (const NetPart& p : net.Parts) {
            EXPECT_GT(OutlineArea(p.Outline), 0) << c.name;
            traced += OutlineArea(p.Outline);
        }
        EXPECT_NEAR(traced, surface, 0.01 * surface) << c.name;
        const double r = c.exact.A;
        const std::vector<Point3> closed = FoldNetPoints(net, 1);
        if (c.exact.Shape == IdealShape::Cylinder) {
            const NetPart &side = net.Parts[0], &bottom = net.Parts[1], &top = net.Parts[2];
            EXPECT_NEAR(side.Width, 2 * kPi * r, 1e-9) << c.name;
            EXPECT_NEAR(OutlineArea(side.Outline), 2 * kPi * r * c.exact.B, 1e-6) << c.name;
            // The discs touch the long sides (y = 0 and y = h) within the rectangle's width.
            EXPECT_NEAR(bottom.Centre.y, -r, 1e-9) << c.name;
            EXPECT_NEAR(top.Centre.y, c.exact.B + r, 1e-9) << c.name;
            EXPECT_GT(bottom.Centre.x, 0);
            EXPECT_LT(top.Centre.x, side.Width);
        }
        if (c.exact.Shape == IdealShape::Cone) {
            const double slant = std::hypot(r, c.exact.B);
            EXPECT_NEAR(net.Parts[0].Radius, slant, 1e-9);
            EXPECT_NEAR(net.Parts[0].Angle, 2 * kPi * r / slant, 1e-9);
            EXPECT_NEAR(LengthOf(net.Parts[1].Centre) - net.Parts[1].Radius, slant, 1e-9) << "the disc touches the arc";
        }
        if (c.exact.Shape == IdealShape::Sphere || c.exact.Shape == IdealShape::Hemisphere) {
            EXPECT_TRUE(net.Approximate);
            // Folded shut, the gores lie on the sphere and the disc on its base.
            for (const Point3& p : closed) EXPECT_LE(LengthOf(p - net.Frame.Base), r + 1e-3) << c.name;
        } else {
            // Every vertex of the mesh (rims, apex, centres of the discs) is a corner of the folded net.
            for (const Point3& p : mesh.Points) EXPECT_LT(Nearest(p, closed), 1e-3) << c.name;
        }
        ExpectOutsideOut(net, mesh, c.name);
        // One tab on the seam, small ones round the discs, none over a part.
        AddGlueTabs(net);
        int seam = 0;
        for (const NetTab& tab : net.Tabs) {
            seam += tab.Number == 1;
            const FlatTriangles cover{tab.Outline, {{0, 1, 2}, {0, 2, 3}}};
            int over = 0;
            for (const NetPart& p : net.Parts) over += CoversOverlap(cover, p.Cover, 1e-6);
            EXPECT_LE(over, tab.Number == 0 ? 1 : 0) << c.name;
        }
        EXPECT_EQ(seam, int(net.Cuts.size())) << c.name;
    }
}

TEST_F(SolidNetTest, SurfacesWithoutANetAreRefusedWithTheReason) {
    SolidMesh open = MenuSolid(0);
    open.Triangles.pop_back();
    const struct {
        NetSource source;
        const char* reason;
    } cases[] = {
        {{MenuSolid(10), IdealSolid{IdealShape::Torus, 40, 10}, 30}, "torus"},
        {{MenuSolid(1), IdealSolid{IdealShape::Square, 80, 80}, 30}, "flat"},
        {{MenuSolid(6), IdealSolid{IdealShape::CylinderSector, 80, 20, 60}, 30}, "open"},
        {{open, std::nullopt, 30}, "not closed"},
        {{MenuSolid(1), std::nullopt, 30}, "not closed"},
    };
    for (const auto& c : cases) {
        try {
            UnfoldSolid(c.source);
            ADD_FAILURE() << c.reason;
        } catch (const NetError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace quarn::testing
