// A section on a textbook sheet: its sides split at the faces in front of them, its true shape beside
// the solid at true size, its letters and caption.

#include "drawing/section_sheet.hpp"

#include <cmath>

#include "drawing/textbook_request.hpp"
#include "geometry/vertex_labels.hpp"
#include "support/drawing_fixture.hpp"

namespace quarn::testing {
namespace {

class SectionSheetTest : public DrawingTest {};

int Pieces(const SheetPath& path) {
    int pieces = 0;
    for (const PathStep& step : path.Steps) pieces += step.Step == PathStep::Kind::MoveTo;
    return pieces;
}

TEST_F(SectionSheetTest, TheCubesHexagonIsDrawnInTheSolidAndBesideItAtTrueSize) {
    const std::vector<SolidMesh> meshes{MenuSolid(0)};
    const std::vector<LetteredCorner> corners = LetterSolidCorners(meshes[0], 0);
    DrawnSection drawn;
    drawn.Cut = CutSolid(meshes[0], ParseSectionPlane("point:0,0,0;normal:dir(A,C1)", corners));
    drawn.Letters = LetterSectionPoints(drawn.Cut, corners);
    drawn.Shape = NameSection(drawn.Cut);
    TextbookRequest request;
    request.View = ViewKind::Oblique;
    request.Labels = true;
    const Sheet plain = MakeTextbookSheet(meshes, request);
    request.Section = drawn;
    const Sheet sheet = MakeTextbookSheet(meshes, request);

    // Seen obliquely from the front, right and above, the sides on the left, back and bottom faces
    // are hidden, the three on the top, front and right faces visible: each side whole.
    ASSERT_EQ(sheet.Paths.size(), plain.Paths.size() + 3);
    const SheetPath& hidden = sheet.Paths[plain.Paths.size()];
    const SheetPath& visible = sheet.Paths[plain.Paths.size() + 1];
    const SheetPath& shape = sheet.Paths.back();
    EXPECT_EQ(hidden.Stroke, Pen::Hidden);
    EXPECT_EQ(Pieces(hidden), 3);
    EXPECT_EQ(Pieces(visible), 3);

    // The true shape: a regular hexagon of side 20√2 to the right of the solid.
    ASSERT_EQ(shape.Steps.size(), 7u);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_NEAR(LengthOf(shape.Steps[k + 1 < 6 ? k + 1 : 0].To - shape.Steps[k].To), 20 * std::sqrt(2.0), 1e-4);
        EXPECT_GT(shape.Steps[k].To.x, plain.Extent.MaxX);
    }
    EXPECT_EQ(sheet.Fills.size(), 2u);  // the surface in the solid and the true shape

    // Each new point lettered in the solid and on the true shape; the cube's letters once each.
    const auto count = [&](const char* letter) {
        return std::count_if(sheet.Texts.begin(), sheet.Texts.end(),
                             [&](const SheetText& t) { return t.Role == TextRole::Letter && t.Text == letter; });
    };
    for (const char* letter : {"E", "F", "G", "H", "I", "J"}) EXPECT_EQ(count(letter), 2) << letter;
    EXPECT_EQ(count("A"), 2);  // A and A1
    const SheetText& caption = sheet.Texts.back();
    EXPECT_EQ(caption.Role, TextRole::Caption);
    EXPECT_NE(caption.Text.find("正六边形"), std::string::npos);
    EXPECT_NE(caption.Text.find("1200√3"), std::string::npos);

    // A plane beside the solid leaves the drawing as it was, with a note under it.
    request.Section->Cut = CutSolid(meshes[0], MakeSectionPlane({0, 50, 0}, {0, 1, 0}));
    request.Section->Letters.clear();
    const Sheet missed = MakeTextbookSheet(meshes, request);
    EXPECT_EQ(missed.Paths.size(), plain.Paths.size());
    ASSERT_EQ(missed.Texts.size(), plain.Texts.size() + 1);
    EXPECT_NE(missed.Texts.back().Text.find("misses"), std::string::npos);
}

}  // namespace
}  // namespace quarn::testing
