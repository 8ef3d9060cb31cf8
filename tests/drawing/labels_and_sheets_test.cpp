// Vertex letters, the three-view sheet and the files written from it.

#include <filesystem>
#include <fstream>
#include <map>

#include "drawing/sheet_writer.hpp"
#include "drawing/textbook_sheet.hpp"
#include "support/drawing_fixture.hpp"

namespace quarn::testing {
namespace {

class LabelsAndSheetsTest : public DrawingTest {};

std::string LabelText(const VertexLabel& l) {
    return std::string(1, l.Letter) + (l.Subscript ? std::to_string(l.Subscript) : "");
}

TEST_F(LabelsAndSheetsTest, PolyhedraAreLetteredBaseFirstCounterClockwiseFromAbove) {
    const DrawingOptions labels{kDefaultFeatureAngleDegrees, true};
    const DrawingView top = MakeTextbookView(ViewKind::Top);
    struct Case {
        int solid;
        std::vector<std::string> names;  // counter-clockwise in the top view, from the front left
    } cases[] = {
        {0, {"A", "B", "C", "D"}},             // cube: tops A1..D1 lie over them
        {21, {"A", "B", "C", "D", "E", "F"}},  // hexagonal prism
        {25, {"A", "B", "C", "D", "E", "F"}},  // hexagonal pyramid: apex P
        {5, {}},                               // a cylinder has no vertices to letter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.solid);
        const SolidMesh solid = MenuSolid(c.solid);
        const LineDrawing drawing = DrawSolidEdges({&solid, 1}, top, labels);
        std::map<std::string, Point2> at;
        for (const VertexLabel& l : drawing.Labels) at[LabelText(l)] = l.At;
        if (c.names.empty()) {
            EXPECT_TRUE(drawing.Labels.empty());
            continue;
        }
        const bool prism = c.solid != 25;
        EXPECT_EQ(at.size(), prism ? 2 * c.names.size() : c.names.size() + 1);
        // A is the front-left vertex: lowest x + y in the top view (front is down).
        for (const auto& [name, p] : at) EXPECT_LE(at["A"].x + at["A"].y, p.x + p.y + 1e-6) << name;
        for (std::size_t k = 0; k < c.names.size(); ++k) {
            const Point2 a = at[c.names[k]], b = at[c.names[(k + 1) % c.names.size()]];
            EXPECT_GT(CrossProduct2(a, b), 0) << c.names[k] << " to the next turns counter-clockwise";
            if (prism) {
                EXPECT_NEAR(LengthOf(at[c.names[k] + "1"] - a), 0, 1e-6) << "the top is lettered above";
            }
        }
        if (!prism) {
            EXPECT_NEAR(LengthOf(at["P"]), 0, 1e-6);
        }
    }
}

TEST_F(LabelsAndSheetsTest, ThreeViewsAreAlignedAsInTheTextbook) {
    const SolidMesh cylinder = MenuSolid(5);
    const TextbookSheet sheet = MakeThreeViewSheet({&cylinder, 1});
    ASSERT_EQ(sheet.Items.size(), 3u);
    std::vector<Box2> boxes;
    for (const SheetItem& item : sheet.Items) {
        Box2 b;
        for (const DrawnLine& line : item.Drawing.Lines)
            for (const Point2& p : line.Points) b.Add(p + item.Offset);
        EXPECT_TRUE(EdgesWith(item.Drawing, false).empty());
        boxes.push_back(b);
    }
    const Box2 &front = boxes[0], &side = boxes[1], &top = boxes[2];
    EXPECT_NEAR(front.Width(), 80, 0.2);
    EXPECT_NEAR(front.Height(), 60, 1e-6);  // rectangles
    EXPECT_NEAR(side.Width(), 80, 0.2);
    EXPECT_NEAR(side.Height(), 60, 1e-6);
    EXPECT_NEAR(top.Width(), 80, 0.2);
    EXPECT_NEAR(top.Height(), 80, 0.2);  // a circle
    // Side view level with the front view and to its right; top view under it, as wide.
    EXPECT_NEAR(side.MinY, front.MinY, 1e-9);
    EXPECT_NEAR(side.MaxY, front.MaxY, 1e-9);
    EXPECT_GT(side.MinX, front.MaxX);
    EXPECT_NEAR(top.MinX, front.MinX, 0.2);
    EXPECT_NEAR(top.MaxX, front.MaxX, 0.2);
    EXPECT_LT(top.MaxY, front.MinY);
}

TEST_F(LabelsAndSheetsTest, SheetsAreWrittenInTheFormatOfTheirName) {
    const SolidMesh pyramid = MenuSolid(25);
    const TextbookSheet sheet =
        MakeSingleViewSheet(DrawSolidEdges({&pyramid, 1}, MakeTextbookView(ViewKind::Oblique), {30, true}));
    const std::filesystem::path dir = std::filesystem::path(ORRIN_TEST_OUTPUT) / "drawing";
    std::filesystem::create_directories(dir);
    const struct {
        const char* name;
        std::string magic;
    } files[] = {{"pyramid.svg", "<?xml"}, {"pyramid.PDF", "%PDF"}, {"pyramid.png", "\x89PNG"}};
    for (const auto& f : files) {
        const std::string path = (dir / f.name).string();
        WriteSheetFile(ToSheet(sheet), path, 400, 300);
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(text.substr(0, f.magic.size()), f.magic) << f.name;
        if (f.magic == "<?xml") {
            EXPECT_NE(text.find("stroke-dasharray"), std::string::npos) << "hidden edges dashed";
        }
    }
    EXPECT_THROW(WriteSheetFile(ToSheet(sheet), (dir / "pyramid.jpg").string(), 400, 300), SheetOutputError);
    EXPECT_THROW(WriteSheetFile(ToSheet(sheet), (dir / "missing" / "pyramid.svg").string(), 400, 300),
                 SheetOutputError);
    EXPECT_THROW(WriteSheetFile(ToSheet(sheet), (dir / "missing" / "pyramid.png").string(), 400, 300),
                 SheetOutputError);
}

}  // namespace
}  // namespace quarn::testing
