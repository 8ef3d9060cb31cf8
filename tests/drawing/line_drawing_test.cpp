// Which edges the textbook views show, and which of them are dashed.

#include "drawing/line_drawing.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "drawing/polyline_chains.hpp"
#include "support/drawing_fixture.hpp"
#include "support/exact_torus.hpp"

namespace quarn::testing {
namespace {

constexpr int kCube = 0, kTorus = 10, kCylinder = 5, kSquarePyramid = 23;
const double kShear = 0.5 * std::sqrt(0.5);

using Segments = std::vector<std::pair<Point2, Point2>>;

class LineDrawingTest : public DrawingTest {};

// Front and top views of polyhedra: every run lies on the expected lines, covers them, nothing is hidden.
TEST_F(LineDrawingTest, OrthographicViewsOfPolyhedraShowTheirOutlineAndNoHiddenLine) {
    const Point2 apex{0, 30}, left{-40, -30}, right{40, -30}, bottom{0, -30};
    const Point2 back{0, 40}, front{0, -40}, west{-40, 0}, east{40, 0};
    struct Case {
        const char* name;
        int solid;
        ViewKind view;
        Segments lines;
    } cases[] = {
        {"cube from the front",
         kCube,
         ViewKind::Front,
         {{{-20, -20}, {20, -20}}, {{20, -20}, {20, 20}}, {{20, 20}, {-20, 20}}, {{-20, 20}, {-20, -20}}}},
        // The base is a square standing on a corner: its front edge runs up the middle of the triangle.
        {"square pyramid from the front",
         kSquarePyramid,
         ViewKind::Front,
         {{left, right}, {right, apex}, {apex, left}, {bottom, apex}}},
        {"square pyramid from above",
         kSquarePyramid,
         ViewKind::Top,
         {{back, east}, {east, front}, {front, west}, {west, back}, {back, front}, {west, east}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolidMesh solid = MenuSolid(c.solid);
        const LineDrawing drawing = DrawSolidEdges({&solid, 1}, MakeTextbookView(c.view));
        EXPECT_TRUE(EdgesWith(drawing, false).empty());
        for (const EdgeRun& r : drawing.Runs) EXPECT_TRUE(RunOnSegments(r, c.lines));
        double expected = 0;
        for (const auto& [a, b] : c.lines) expected += LengthOf(b - a);
        EXPECT_GE(RunLength(drawing, true),
                  expected - 1e-3);  // every line drawn (some twice, one over another)
    }
}

TEST_F(LineDrawingTest, ObliqueCubeShowsNineEdgesAndDashesTheThreeAtTheHiddenCorner) {
    const SolidMesh cube = MenuSolid(kCube);
    const LineDrawing drawing = DrawSolidEdges({&cube, 1}, MakeTextbookView(ViewKind::Oblique));
    const auto visible = EdgesWith(drawing, true), hidden = EdgesWith(drawing, false);
    EXPECT_EQ(visible.size(), 9u);
    EXPECT_EQ(hidden.size(), 3u);
    const Point2 hiddenCorner{-20 + 20 * kShear, -20 + 20 * kShear};  // back, bottom, left
    for (const EdgeRun& r : drawing.Runs) {
        if (r.Visible) continue;
        EXPECT_NEAR(std::min(LengthOf(r.From - hiddenCorner), LengthOf(r.To - hiddenCorner)), 0, 1e-4);
        EXPECT_NEAR(LengthOf(r.To - r.From), r.From.x == r.To.x || r.From.y == r.To.y ? 40 : 20, 1e-3);
    }
}

TEST_F(LineDrawingTest, ObliqueCylinderHasTwoEllipsesTwoUprightSilhouettesAndNoFacetEdges) {
    const SolidMesh cylinder = MenuSolid(kCylinder);
    const MeshTopology topology = BuildMeshTopology(cylinder);
    const std::vector<EdgeKind> kinds = ClassifyEdges(topology, kDefaultFeatureAngleDegrees);
    const LineDrawing drawing = DrawSolidEdges({&cylinder, 1}, MakeTextbookView(ViewKind::Oblique));
    std::set<int> silhouettes, hiddenRim;
    for (const EdgeRun& r : drawing.Runs) {
        const TopologyEdge& e = topology.Edges[r.Edge];
        const Point3 a = topology.Points[e.A], b = topology.Points[e.B];
        if (kinds[r.Edge] == EdgeKind::Smooth) {
            silhouettes.insert(r.Edge);
            EXPECT_TRUE(r.Visible);
            EXPECT_NEAR(r.From.x, r.To.x, 1e-9);  // upright
            continue;
        }
        ASSERT_NEAR(a.y, b.y, 1e-9);  // rim edges only
        if (r.Visible) continue;
        hiddenRim.insert(r.Edge);
        EXPECT_EQ(a.y, -30) << "only the base ellipse is dashed";
        // Behind the silhouette's tangent points: the half whose outward normal leans from the viewer.
        const Point3 mid = (a + b) * 0.5;
        EXPECT_GT(mid.z - kShear * mid.x, -1);
    }
    EXPECT_EQ(silhouettes.size(), 2u);
    EXPECT_NEAR(hiddenRim.size(), 23, 1);  // the back half of the 46-sided base
    // Two uprights, the top ellipse and the front half of the base one.
    double rim = 0;
    for (int k = 0; k < 46; ++k) {
        const auto point = [](int k) {
            const double theta = 2 * std::numbers::pi * k / 46;
            return MakeTextbookView(ViewKind::Oblique)
                .Project({40 * std::cos(theta), 0, 40 * std::sin(theta)})
                .At;
        };
        rim += LengthOf(point(k + 1) - point(k));
    }
    EXPECT_NEAR(RunLength(drawing, true), 2 * 60 + 1.5 * rim, 0.02 * rim);
    EXPECT_NEAR(RunLength(drawing, false), 0.5 * rim, 0.02 * rim);
}

TEST_F(LineDrawingTest, TorusInnerRingIsOneSolidLineFromAbove) {
    // Seen from above, the outline along the inner ring runs over the saddle-shaped facets, whose
    // neighbours fold over it in the picture; none of them may dash it.
    const SolidMesh torus = MenuSolid(kTorus);
    Scene().CurrentCamera = CreateCamera();
    for (const bool orthographic : {true, false}) {
        SCOPED_TRACE(orthographic ? "parallel" : "perspective");
        Scene().Cameras[Scene().CurrentCamera].Orthographic = orthographic;
        OrbitCamera(Scene().CurrentCamera, ZeroVector(), 200, 0.3f, 1.45f);
        const DrawingView view = MakeCameraView(Scene().Cameras[Scene().CurrentCamera]);
        const LineDrawing drawing = DrawSolidEdges({&torus, 1}, view);
        EXPECT_TRUE(EdgesWith(drawing, false).empty());
        // The ring's outline: runs closer to the centre than the tube's middle circle.
        const Point2 centre = view.Project(view.ToView({0, 0, 0})).At;
        const double middle = LengthOf(view.Project(view.ToView({40, 0, 0})).At - centre);
        double inner = 0;
        for (const EdgeRun& r : drawing.Runs)
            if (LengthOf(r.From - centre) < middle) inner += LengthOf(r.To - r.From);
        EXPECT_NEAR(inner, 2 * std::numbers::pi * middle * 30 / 40, 0.05 * inner);
    }
}

// A square of side 2 * half in the plane z = depth, divided into n x n squares of two triangles each.
SolidMesh FinePlane(int n, double half, double depth) {
    SolidMesh plane;
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) plane.Points.push_back({-half + 2 * half * i / n, -half + 2 * half * j / n, depth});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int c = i * (n + 1) + j;
            plane.Triangles.push_back({c, c + n + 1, c + n + 2});
            plane.Triangles.push_back({c, c + n + 2, c + 1});
        }
    return plane;
}

// A finely divided plane (many faces in every cell of the search, its edges drawn in many pieces)
// in front of the cube hides every edge of it; behind the cube it hides none, and the cube shows
// what it shows alone. In every view the runs come in the order of the meshes and their edges.
TEST_F(LineDrawingTest, FinePlaneHidesTheCubeBehindItAndNothingInFrontOfIt) {
    const SolidMesh cube = MenuSolid(kCube);
    const Point3 eye{30, 40, -200};
    const Point3 forward = eye * (-1 / LengthOf(eye));
    const Point3 right = CrossProduct(Point3{0, 1, 0}, forward) * (1 / LengthOf(CrossProduct(Point3{0, 1, 0}, forward)));
    const struct {
        const char* name;
        DrawingView view;
    } views[] = {{"oblique", MakeTextbookView(ViewKind::Oblique)},
                 {"front", MakeTextbookView(ViewKind::Front)},
                 {"perspective", DrawingView::Perspective(eye, right, CrossProduct(forward, right), forward, 1)}};
    for (const auto& [name, view] : views) {
        const std::set<std::pair<int, int>> shownAlone = EdgesWith(DrawSolidEdges({&cube, 1}, view), true);
        for (const double depth : {-60.0, 60.0}) {
            SCOPED_TRACE(std::string(name) + (depth < 0 ? ", plane at -z" : ", plane at +z"));
            const std::vector<SolidMesh> meshes{cube, FinePlane(48, 150, depth)};
            const LineDrawing drawing = DrawSolidEdges(meshes, view);
            const auto nearness = [&](const Point3& p) { return view.Project(view.ToView(p)).Q; };
            std::set<std::pair<int, int>> cubeShown;
            for (const auto& edge : EdgesWith(drawing, true))
                if (edge.first == 0) cubeShown.insert(edge);
            if (nearness({0, 0, depth}) > nearness({0, 0, 0}))
                EXPECT_TRUE(cubeShown.empty());
            else
                EXPECT_EQ(cubeShown, shownAlone);
            EXPECT_EQ(EdgesWith(drawing, false).count({1, 0}), 0u);  // nothing lies in front of the plane
            EXPECT_TRUE(std::is_sorted(drawing.Runs.begin(), drawing.Runs.end(), [](const EdgeRun& a, const EdgeRun& b) {
                return std::pair{a.Mesh, a.Edge} < std::pair{b.Mesh, b.Edge};
            }));
        }
    }
}

// A mesh drawn again after its points moved is drawn from its new points, not from what was worked
// out for it before.
TEST_F(LineDrawingTest, AMovedMeshIsDrawnWhereItIsNow) {
    const SolidMesh cube = MenuSolid(kCube);
    const DrawingView view = MakeTextbookView(ViewKind::Front);
    const Box2 before = DrawSolidEdges({&cube, 1}, view).Extent;
    for (const double scale : {2.0, 0.5}) {
        const SolidMesh moved = Moved(cube, scale, {0, 0, 0});
        const LineDrawing drawing = DrawSolidEdges({&moved, 1}, view);
        EXPECT_NEAR(drawing.Extent.Width(), scale * before.Width(), 1e-9);
        for (const EdgeRun& r : drawing.Runs)
            EXPECT_LE(std::max(std::fabs(r.From.x), std::fabs(r.To.x)), scale * before.MaxX + 1e-9);
    }
}

// Runs are joined where exactly two of one kind share an end point, bit for bit (-0 as 0), whatever
// their order and direction; where three meet, or a visible and a hidden one, they stay apart.
TEST_F(LineDrawingTest, RunsJoinWhereExactlyTwoOfOneKindMeet) {
    const auto run = [](Point2 from, Point2 to, bool visible = true) { return EdgeRun{from, to, visible, 0, 0}; };
    const struct {
        const char* what;
        std::vector<EdgeRun> runs;
        std::multiset<std::size_t> points;  // of each line
    } cases[] = {
        {"a path given out of order, one run turned", {run({2, 0}, {3, 1}), run({0, 0}, {1, 0}), run({2, 0}, {1, 0})}, {4}},
        {"a closed square", {run({0, 0}, {1, 0}), run({1, 1}, {0, 1}), run({1, 0}, {1, 1}), run({0, 1}, {0, 0})}, {5}},
        {"three runs at one point", {run({0, 0}, {1, 0}), run({0, 0}, {0, 1}), run({0, 0}, {-1, -1})}, {2, 2, 2}},
        {"four runs at one point", {run({0, 0}, {1, 0}), run({0, 0}, {0, 1}), run({-1, 0}, {0, 0}), run({0, -1}, {0, 0})},
         {2, 2, 2, 2}},
        {"a visible and a hidden run end to end", {run({0, 0}, {1, 0}), run({1, 0}, {2, 0}, false)}, {2, 2}},
        {"an end at -0 meets one at 0", {run({-1, 0}, {-0.0, 0}), run({0, -0.0}, {1, 0})}, {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::multiset<std::size_t> points;
        std::size_t total = 0;
        for (const DrawnLine& line : ChainRuns(c.runs)) points.insert(line.Points.size()), total += line.Points.size() - 1;
        EXPECT_EQ(points, c.points);
        EXPECT_EQ(total, c.runs.size());  // every run once
    }
}

TEST_F(LineDrawingTest, TorusHiddenOutlineIsAsLongAsTheExactTorusOne) {
    // Seen square to its axis, the outline of the tube's inner half passes behind the facets right beside
    // it, over the saddle-shaped part of the surface: they must dash it, as the exact surface hides it.
    const SolidMesh torus = MenuSolid(kTorus);
    const struct {
        ViewKind view;
        Point3 away;
    } cases[] = {{ViewKind::Front, {0, 0, 1}}, {ViewKind::Side, {1, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.view));
        const DrawingView view = MakeTextbookView(c.view);
        const double exact = ExactTorusOutline(view, c.away).Hidden;
        EXPECT_NEAR(RunLength(DrawSolidEdges({&torus, 1}, view), false), exact, 0.03 * exact);
    }
}

}  // namespace
}  // namespace quarn::testing
