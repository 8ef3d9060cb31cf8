// Textbook sheets drawn as a teacher draws them: round solids from the exact solid, regular polyhedra
// turned with AB across the front, and the auxiliary lines.

#include <cmath>
#include <numbers>

#include "drawing/textbook_request.hpp"
#include "support/drawing_fixture.hpp"
#include "support/exact_torus.hpp"

namespace quarn::testing {
namespace {

class TeacherDrawingsTest : public DrawingTest {
  protected:
    struct Drawn {
        SolidMesh Mesh;
        Sheet Picture;
        Point3 Low, High;  // corners of the mesh's box
    };
    static Drawn Draw(int menuIndex, ViewKind view, bool labels = false, bool aux = true) {
        Drawn d{MenuSolid(menuIndex), {}, {INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY}};
        TextbookRequest request;
        request.View = view;
        request.Labels = labels;
        request.Auxiliary = aux;
        request.Exact = FindSolidMenuEntry(menuIndex)->Exact;
        d.Picture = MakeTextbookSheet({&d.Mesh, 1}, request);
        for (const Point3& p : d.Mesh.Points)
            d.Low = {std::min(d.Low.x, p.x), std::min(d.Low.y, p.y), std::min(d.Low.z, p.z)},
            d.High = {std::max(d.High.x, p.x), std::max(d.High.y, p.y), std::max(d.High.z, p.z)};
        return d;
    }
};

// The oblique drawing's share of depth, along each of its axes.
const double kDepth = 0.5 * std::sqrt(0.5);

// Where a sample lies on the horizontal ellipse about the centre with semi-axes a and b: its
// parameter, how far off the ellipse it is (0 on it), and the angle in degrees between the curve's
// direction and the ellipse's there.
struct OnEllipse {
    double Parameter, Off, AngleDegrees;
};

OnEllipse Measure(const CurveSample& s, const Point2& centre, double a, double b) {
    const double u = (s.At.x - centre.x) / a, v = (s.At.y - centre.y) / b;
    const double t = std::atan2(v, u);
    const Point2 exact{-a * std::sin(t), b * std::cos(t)};
    const double angle = std::atan2(std::fabs(CrossProduct2(exact, s.Along)),
                                    exact.x * s.Along.x + exact.y * s.Along.y);
    return {t, std::fabs(std::hypot(u, v) - 1), angle * 180 / std::numbers::pi};
}

TEST_F(TeacherDrawingsTest, RoundSolidsAreTrueEllipsesCirclesAndTangentLines) {
    // Cylinder: both bases are horizontal ellipses, the back half of the bottom one dashed, and the
    // outline is two upright lines from the end of one ellipse's axis to the other's.
    {
        const Drawn d = Draw(5, ViewKind::Oblique);
        const double r = 40, cx = (d.Low.x + d.High.x) / 2, cz = (d.Low.z + d.High.z) / 2;
        const Point2 bottom{cx + kDepth * cz, d.Low.y + kDepth * cz}, top{bottom.x, d.High.y + kDepth * cz};
        const std::vector<CurveSample> samples = SampleCurves(d.Picture);
        ASSERT_FALSE(samples.empty());
        int hidden = 0;
        for (const CurveSample& s : samples) {
            const bool low = std::fabs(s.At.y - bottom.y) < std::fabs(s.At.y - top.y);
            const OnEllipse e = Measure(s, low ? bottom : top, r, kDepth * r);
            EXPECT_LT(e.Off, 1e-4);
            EXPECT_LT(e.AngleDegrees, 0.5);
            if (s.Stroke == Pen::Hidden) {
                ++hidden;
                EXPECT_TRUE(low && std::sin(e.Parameter) > -1e-6) << "only the back of the bottom base is hidden";
            }
        }
        EXPECT_GT(hidden, 0);
        int outline = 0;
        for (const auto& [a, b] : SheetSegments(d.Picture, Pen::Visible)) {
            EXPECT_NEAR(a.x, b.x, 1e-9);
            EXPECT_NEAR(std::fabs(a.x - bottom.x), r, 1e-4);  // the mesh's float points place the axis
            EXPECT_NEAR(std::fabs(a.y - b.y), top.y - bottom.y, 1e-9);
            ++outline;
        }
        EXPECT_EQ(outline, 2);
    }
    // Sphere: a circle, and its equator with the front half drawn and the back half dashed.
    {
        const Drawn d = Draw(2, ViewKind::Oblique);
        const double r = 40, cz = (d.Low.z + d.High.z) / 2;
        const Point2 centre{(d.Low.x + d.High.x) / 2 + kDepth * cz, (d.Low.y + d.High.y) / 2 + kDepth * cz};
        int quadrants[4] = {}, back = 0;
        for (const CurveSample& s : SampleCurves(d.Picture)) {
            const OnEllipse circle = Measure(s, centre, r, r), equator = Measure(s, centre, r, kDepth * r);
            if (circle.Off < 1e-4 && s.Stroke == Pen::Visible) {
                EXPECT_LT(circle.AngleDegrees, 0.5);
                ++quadrants[int(std::floor((circle.Parameter + std::numbers::pi) / (std::numbers::pi / 2))) % 4];
                continue;
            }
            ASSERT_LT(equator.Off, 1e-4) << s.At.x << ", " << s.At.y;
            EXPECT_LT(equator.AngleDegrees, 0.5);
            if (s.Stroke == Pen::Hidden) {
                EXPECT_GT(std::sin(equator.Parameter), -1e-6);
                back += equator.Parameter > 0.5;
            } else {
                EXPECT_LT(std::sin(equator.Parameter), 1e-6);
            }
        }
        for (const int q : quadrants) EXPECT_GT(q, 0) << "the whole circle";
        EXPECT_GT(back, 0);
    }
    // Cone: the top view is the base circle with the apex as a point at its centre; as built, the
    // cone is its facets again.
    {
        const Drawn d = Draw(4, ViewKind::Top);
        const Point2 centre{(d.Low.x + d.High.x) / 2, (d.Low.z + d.High.z) / 2};
        ASSERT_EQ(d.Picture.Dots.size(), 1u);
        EXPECT_LT(LengthOf(d.Picture.Dots[0] - centre), 1e-4);
        for (const CurveSample& s : SampleCurves(d.Picture))
            if (s.Stroke == Pen::Visible) {
                EXPECT_LT(Measure(s, centre, 40, 40).Off, 1e-4);
            }
        TextbookRequest asBuilt;
        asBuilt.View = ViewKind::Oblique;
        asBuilt.Exact = FindSolidMenuEntry(4)->Exact;
        asBuilt.AsBuilt = true;
        EXPECT_TRUE(SampleCurves(MakeTextbookSheet({&d.Mesh, 1}, asBuilt)).empty());
    }
}

TEST_F(TeacherDrawingsTest, PolyhedraAreTurnedWithABAcrossTheFrontAndPyramidHeightsDashed) {
    const struct {
        int solid;
        int sides;  // of the base, inscribed in a circle of radius 40; 0: the cube's edge of 40
    } cases[] = {{0, 0}, {19, 3}, {21, 6}, {22, 8}, {23, 4}, {25, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.solid);
        const Drawn d = Draw(c.solid, ViewKind::Oblique, true);
        const SheetText *a = FindLetter(d.Picture, "A"), *b = FindLetter(d.Picture, "B");
        ASSERT_TRUE(a && b);
        // Across the front: level, left to right, at the edge's true length, nothing lower.
        EXPECT_NEAR(a->At.y, b->At.y, 1e-6);
        const double edge = c.sides ? 80 * std::sin(std::numbers::pi / c.sides) : 40;
        EXPECT_NEAR(b->At.x - a->At.x, edge, 1e-3);
        for (const SheetText& t : d.Picture.Texts)
            if (t.Text != "O") {
                EXPECT_GE(t.At.y, a->At.y - 1e-6) << t.Text << t.Subscript;
            }
    }
    // The square pyramid's height from P to the centre O of its base, dashed, O marked.
    const Drawn pyramid = Draw(23, ViewKind::Oblique, true);
    const SheetText *p = FindLetter(pyramid.Picture, "P"), *o = FindLetter(pyramid.Picture, "O");
    ASSERT_TRUE(p && o);
    ASSERT_EQ(pyramid.Picture.Dots.size(), 1u);
    EXPECT_LT(LengthOf(pyramid.Picture.Dots[0] - o->At), 1e-9);
    bool height = false;
    for (const auto& [from, to] : SheetSegments(pyramid.Picture, Pen::Hidden))
        height |= LengthOf(from - o->At) < 1e-6 && LengthOf(to - p->At) < 1e-6;
    EXPECT_TRUE(height);
    EXPECT_NEAR(p->At.x, o->At.x, 1e-6);
    // Without the aids, neither the height nor O.
    const Drawn bare = Draw(23, ViewKind::Oblique, true, false);
    EXPECT_FALSE(FindLetter(bare.Picture, "O"));
    EXPECT_TRUE(bare.Picture.Dots.empty());
    EXPECT_TRUE(SheetSegments(bare.Picture, Pen::Hidden).size() < SheetSegments(pyramid.Picture, Pen::Hidden).size());
}

double PenLength(const Sheet& sheet, Pen pen) {
    double length = 0;
    for (const auto& [a, b] : SheetSegments(sheet, pen)) length += LengthOf(b - a);
    return length;
}

TEST_F(TeacherDrawingsTest, TorusOutlineIsTheExactSurfacesSeenAndHiddenAsItIs) {
    // Traced on the exact surface: in the oblique drawing the inner outline's cusps fold behind the
    // tube, seen square to the axis the inner halves of the tube's circles pass behind its front.
    const double slant = 1 / std::sqrt(1 + 2 * kDepth * kDepth);
    const struct {
        ViewKind view;
        Point3 away;
    } cases[] = {{ViewKind::Oblique, Point3{-kDepth, -kDepth, 1} * slant},
                 {ViewKind::Front, {0, 0, 1}},
                 {ViewKind::Side, {1, 0, 0}},
                 {ViewKind::Top, {0, -1, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.view));
        const Drawn d = Draw(10, c.view, false, false);
        const TorusOutlineLengths exact = ExactTorusOutline(MakeTextbookView(c.view), c.away);
        EXPECT_NEAR(PenLength(d.Picture, Pen::Visible), exact.Visible, 0.01 * exact.Visible);
        EXPECT_NEAR(PenLength(d.Picture, Pen::Hidden), exact.Hidden, 0.03 * exact.Hidden + 1e-9);
    }
}

}  // namespace
}  // namespace quarn::testing
