// Sections of solids by planes: the polygons, their measures and the names of their shapes, and the
// planes that cannot be taken.

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/exact_sections.hpp"
#include "geometry/plane_cut.hpp"
#include "geometry/section_shape.hpp"
#include "geometry/vertex_labels.hpp"
#include "solids/school_solids.hpp"
#include "support/solid_fixture.hpp"

namespace quarn::testing {
namespace {

class PlaneSectionsTest : public SolidTest {};

const double kRoot2 = std::sqrt(2.0), kRoot3 = std::sqrt(3.0);

struct Cut {
    Section Result;
    std::vector<std::vector<std::string>> Letters;
};

Cut CutByText(const SolidMesh& mesh, const std::string& plane) {
    const std::vector<LetteredCorner> corners = LetterSolidCorners(mesh, 0);
    Cut cut{CutSolid(mesh, ParseSectionPlane(plane, corners)), {}};
    cut.Letters = LetterSectionPoints(cut.Result, corners);
    return cut;
}

TEST_F(PlaneSectionsTest, CubeAndTetrahedronSectionsHaveTheirShapesAreasAndSides) {
    const SolidMesh cube = MenuSolid(0);  // ABCD-A1B1C1D1, edge 40
    const SolidMesh tetrahedron = MenuSolid(7);
    const SolidMesh turned = Moved(cube, 0.5, {3, -7, 11});  // edge 20, elsewhere
    const struct {
        const SolidMesh& solid;
        const char* plane;
        const char* shape;  // id; empty: no section
        double area;
        std::vector<double> sides;  // sorted; empty: not checked
        std::string letters;  // of the polygon's points, joined in order from the first; empty: not checked
    } cases[] = {
        {cube,
         "through:A,C,D1",
         "equilateral-triangle",
         800 * kRoot3,
         {40 * kRoot2, 40 * kRoot2, 40 * kRoot2},
         ""},
        {cube, "point:0,0,0;normal:dir(A,C1)", "regular-hexagon", 1200 * kRoot3,
         std::vector<double>(6, 20 * kRoot2), "EFGHIJ"},
        {cube, "through:A,B,C1", "rectangle", 40 * 40 * kRoot2, {40, 40, 40 * kRoot2, 40 * kRoot2}, ""},
        {cube, "through:mid(A,B),mid(A,D),C1", "pentagon", 0, {}, ""},
        {cube, "through:A,C,mid(C1,D1)", "isosceles-trapezoid", 0, {}, ""},
        {cube, "through:A,mid(B,B1),C1", "rhombus", 800 * std::sqrt(6.0), {}, ""},
        {cube, "through:A,on(B,B1,1/4),on(C,C1,3/4)", "parallelogram", 0, {}, ""},
        {cube, "through:B,D,on(A,A1,1/2)", "isosceles-triangle", 0, {}, ""},
        {cube, "through:A1,B,C", "rectangle", 40 * 40 * kRoot2, {}, "A1BCD1"},
        // Exactly through a face: that face once, not twice or as its two triangles.
        {cube, "through:A,B,C", "square", 1600, {40, 40, 40, 40}, "ABCD"},
        {cube, "point:mid(A,C);normal:0,-1,0", "square", 1600, {40, 40, 40, 40}, ""},
        {turned, "point:0,0,0;normal:dir(A,C1)", "polygon", -1, {}, ""},  // the centre is not the moved
                                                                          // cube's
        {turned, "point:mid(A,C1);normal:dir(A,C1)", "regular-hexagon", 300 * kRoot3, {}, ""},
        // Through a corner only, along an edge only, beside the solid: no section.
        {cube, "point:A;normal:dir(A,C1)", "", 0, {}, ""},
        {cube, "through:A,B,(0,-40,0)", "", 0, {}, ""},
        {cube, "point:0,0,20.001;normal:0,0,1", "", 0, {}, ""},
        // Parallel to two opposite edges through the midpoints of the others: a square.
        {tetrahedron, "through:mid(A,C),mid(B,C),mid(B,D)", "square", 0, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plane);
        const Cut cut = CutByText(c.solid, c.plane);
        const Section& s = cut.Result;
        if (std::string(c.shape).empty()) {
            EXPECT_TRUE(s.Polygons.empty());
            EXPECT_NE(s.Outcome, SectionOutcome::Cut);
            EXPECT_FALSE(s.Note.empty());
            EXPECT_EQ(s.Area, 0);
            continue;
        }
        ASSERT_EQ(s.Outcome, SectionOutcome::Cut);
        if (std::string(c.shape) == "polygon") continue;
        ASSERT_EQ(s.Polygons.size(), 1u);
        EXPECT_EQ(NameSection(s).Id, c.shape);
        if (c.area > 0) {
            EXPECT_NEAR(s.Area, c.area, 1e-6 * c.area);
        }
        std::vector<double> sides = s.Polygons[0].Sides;
        std::sort(sides.begin(), sides.end());
        for (std::size_t k = 0; k < c.sides.size() && k < sides.size(); ++k)
            EXPECT_NEAR(sides[k], c.sides[k], 1e-5);
        if (!c.sides.empty()) {
            EXPECT_EQ(sides.size(), c.sides.size());
        }
        double perimeter = 0;
        for (const double side : sides) perimeter += side;
        EXPECT_NEAR(s.Perimeter, perimeter, 1e-9 * perimeter);
        double angles = 0;
        for (const double angle : s.Polygons[0].Angles) angles += angle;
        EXPECT_NEAR(angles, 180.0 * (sides.size() - 2), 1e-6);
        if (!c.letters.empty()) {
            // The same cycle, whichever point it starts at.
            std::string joined;
            for (const std::string& name : cut.Letters[0]) joined += name;
            EXPECT_NE((joined + joined).find(c.letters), std::string::npos) << joined;
        }
    }
}

// The exact solids' sections, each checked against its closed form where it has one and against the
// section of a finely faceted mesh of the same solid, which differs from it by facets only.
TEST_F(PlaneSectionsTest, CurvedSolidsHaveTheSectionsOfTheirExactSolids) {
    constexpr double kPi = std::numbers::pi;
    const struct {
        const char* solid;  // centred as orrin-render builds it: the cone's base at y = -30
        Point3 point, normal;
        const char* shape;
        double area;    // closed form; 0: only against the faceted section
        double radius;  // of a circle; 0: none
        double facets;  // relative difference allowed from the faceted section
    } cases[] = {
        // A cone r = 40, h = 60: parallel to the base halfway up, a circle of radius 20.
        {"cone:r=40,h=60,n=256", {0, 0, 0}, {0, 1, 0}, "circle", 400 * kPi, 20, 2e-4},
        {"cone:r=40,h=60,n=256", {0, 0, 0}, {0.3, 1, 0}, "ellipse", 0, 0, 1e-3},
        {"cone:r=40,h=60,n=256", {0, 0, 0}, {3, 2, 0}, "parabola-segment", 0, 0, 1e-3},
        {"cone:r=40,h=60,n=256", {10, 0, 0}, {1, 0, 0}, "hyperbola-segment", 0, 0, 1e-3},
        // Through the apex, steeper than the slant: meets the base 12 from the axis.
        {"cone:r=40,h=60,n=256",
         {0, 30, 0},
         {1, 0.2, 0},
         "isosceles-triangle",
         std::sqrt(1600.0 - 144) * std::hypot(12.0, 60.0),
         0,
         1e-3},
        {"cone:r=40,h=60,n=256", {0, 0, 0}, {0, 0, 1}, "isosceles-triangle", 40 * 60, 0, 1e-3},
        // Tilted further, yet less than the slant, the ellipse reaches the base and is cut off there.
        {"cone:r=40,h=60,n=256", {0, -20, 0}, {1, 1, 0}, "ellipse-segment", 0, 0, 1e-3},
        // A sphere r = 40 at the distance 25: a circle of radius sqrt(40² - 25²).
        {"sphere:r=40,n=100,rings=48", {0, 25, 0}, {0, 1, 0}, "circle", 975 * kPi, std::sqrt(975.0), 3e-3},
        {"sphere:r=40,n=100,rings=48", {5, 0, 5}, {1, 1, 1}, "circle", (1600 - 100.0 / 3) * kPi, 0, 3e-3},
        // A cylinder r = 30, h = 80: tilted an ellipse of semi-axes 30 and 30·sqrt(1.25).
        {"cylinder:r=30,h=80,n=256", {0, 0, 0}, {0.5, 1, 0}, "ellipse", kPi * 900 * std::sqrt(1.25), 0, 2e-4},
        {"cylinder:r=30,h=80,n=256", {0, 0, 0}, {2, 1, 0}, "ellipse-segment", 0, 0, 1e-3},
        {"cylinder:r=30,h=80,n=256", {18, 0, 0}, {1, 0, 0}, "rectangle", 48 * 80, 0, 1e-3},
        {"cone-frustum:r1=40,r2=20,h=30,n=256",
         {0, 0, 0},
         {0, 0, 1},
         "isosceles-trapezoid",
         60 * 30,
         0,
         1e-3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.solid) + " " + c.shape);
        const SolidMesh mesh = SchoolSolidMesh(c.solid);
        const auto placed = PlaceIdealSolid(IdealSolidOf(ParseSchoolSolid(c.solid)), mesh);
        ASSERT_TRUE(placed);
        const SectionPlane plane = MakeSectionPlane(c.point, c.normal);
        const auto exact = ExactSection(*placed, plane);
        ASSERT_TRUE(exact);
        EXPECT_EQ(exact->Shape.Id, c.shape);
        if (c.area > 0) {
            EXPECT_NEAR(exact->Area, c.area, 1e-6 * c.area);  // placed from float corners
        }
        if (c.radius > 0) {
            EXPECT_NEAR(exact->Radius, c.radius, 1e-6 * c.radius);
        }
        const Section faceted = CutSolid(mesh, plane);
        EXPECT_NEAR(faceted.Area / exact->Area, 1, c.facets);
    }
    // A plane past the exact solid, or touching it only at the apex, has no section.
    const SolidMesh cone = SchoolSolidMesh("cone:r=40,h=60");
    const auto placed = PlaceIdealSolid(IdealSolidOf(ParseSchoolSolid("cone:r=40,h=60")), cone);
    EXPECT_FALSE(ExactSection(*placed, MakeSectionPlane({0, 31, 0}, {0, 1, 0})));
    EXPECT_FALSE(ExactSection(*placed, MakeSectionPlane({0, 30, 0}, {0, 1, 0.1})));
    EXPECT_FALSE(ExactSection(*placed, MakeSectionPlane({41, 0, 0}, {1, 0, 0})));
}

TEST_F(PlaneSectionsTest, TheNameIsTheMostSpecialShapeThatHolds) {
    const auto polygon = [](std::vector<Point3> points) {
        SolidMesh prism;  // the polygon as the middle of a prism along z, cut at z = 0
        const int n = int(points.size());
        for (const Point3& p : points) prism.Points.push_back({p.x, p.y, -1});
        for (const Point3& p : points) prism.Points.push_back({p.x, p.y, 1});
        for (int k = 1; k + 1 < n; ++k)
            prism.Triangles.push_back({0, k + 1, k}), prism.Triangles.push_back({n, n + k, n + k + 1});
        for (int k = 0; k < n; ++k) {
            const int j = (k + 1) % n;
            prism.Triangles.push_back({k, j, n + j}), prism.Triangles.push_back({k, n + j, n + k});
        }
        return NameSection(CutSolid(prism, MakeSectionPlane({0, 0, 0}, {0, 0, 1}))).Id;
    };
    EXPECT_EQ(polygon({{0, 0, 0}, {4, 0, 0}, {0, 3, 0}}), "right-triangle");
    EXPECT_EQ(polygon({{0, 0, 0}, {4, 0, 0}, {0, 4, 0}}), "isosceles-triangle");
    EXPECT_EQ(polygon({{0, 0, 0}, {4, 0, 0}, {1, 3, 0}}), "scalene-triangle");
    EXPECT_EQ(polygon({{0, 0, 0}, {4, 0, 0}, {5, 3, 0}, {1, 3, 0}}), "parallelogram");
    EXPECT_EQ(polygon({{0, 0, 0}, {6, 0, 0}, {5, 3, 0}, {1, 3, 0}}), "isosceles-trapezoid");
    EXPECT_EQ(polygon({{0, 0, 0}, {6, 0, 0}, {5, 3, 0}, {0, 3, 0}}), "trapezoid");
    EXPECT_EQ(polygon({{0, 0, 0}, {2, -1, 0}, {6, 0, 0}, {2, 1, 0}}), "kite");
    EXPECT_EQ(polygon({{0, 0, 0}, {6, 0, 0}, {5, 3, 0}, {1, 4, 0}}), "quadrilateral");
    EXPECT_EQ(polygon({{0, 0, 0}, {4, 0, 0}, {4, 2, 0}, {2, 3, 0}, {0, 2, 0}, {-1, 1, 0}}), "hexagon");
    EXPECT_EQ(SurdText(1200 * kRoot3), "1200√3");
    EXPECT_EQ(SurdText(40 * std::sqrt(6.0) / 3), "40√6/3");
    EXPECT_EQ(SurdText(1600), "1600");
    EXPECT_EQ(SurdText(std::numbers::pi), "");
}

TEST_F(PlaneSectionsTest, PlanesThatFixNothingAreRefusedSayingWhy) {
    const std::vector<LetteredCorner> corners = LetterSolidCorners(MenuSolid(0), 0);
    const struct {
        const char* plane;
        const char* says;
    } cases[] = {
        {"through:A,Q,C", "no corner Q (its corners: A B C D A1 B1 C1 D1)"},
        {"through:A,C,mid(A,C)", "lie on one line"},
        {"through:A,B,on(A,B,2)", "lie on one line"},
        {"point:0,0,0;normal:0,0,0", "the normal is zero"},
        {"point:A;normal:dir(B,B)", "the normal is zero"},
        {"through:A,C", "expected ','"},
        {"through:A,C,D1,B", "expected the end"},
        {"through:A,C,on(A,B,1/0)", "divide by 0"},
        {"plane:A,B,C", "expected 'through:P,Q,R'"},
        {"point:1,2;normal:0,0,1", "expected ','"},
        {"point:0,0,0;normal:1e999,0,0", "expected a number"},
    };
    for (const auto& c : cases) {
        try {
            ParseSectionPlane(c.plane, corners);
            ADD_FAILURE() << c.plane << " was taken";
        } catch (const SectionPlaneError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos)
                << c.plane << ": " << error.what();
        }
    }
}

}  // namespace
}  // namespace quarn::testing
