#include <algorithm>
#include <cmath>
#include <functional>
#include <array>
#include <regex>
#include <set>

#include "drawing/sheet_writer.hpp"
#include "render_options.hpp"
#include "scene_sources.hpp"
#include "support/worksheet_fixture.hpp"
#include "support/worksheet_points.hpp"
#include "drawing/net_sheet.hpp"
#include "textbook_output.hpp"

namespace orrin::testing {
namespace {

using quarn::SchoolFamily;
using quarn::SheetFormat;

bool HasLine(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

// Each command changes the document, the placed solid and its measures as it should, or is refused
// with a reason and leaves everything as it was.
TEST_F(WorksheetTest, CommandsChangeTheDocumentOrAreRefused) {
    struct Case {
        const char* what;
        std::function<bool(Worksheet&)> command;
        bool accepted;
        std::function<void(Worksheet&)> check;
    };
    const Case cases[] = {
        {"cuboid height", [](Worksheet& w) { return w.SetParameter("c", 80); }, true,
         [](Worksheet& w) {
             EXPECT_EQ(w.Document().Source.Family.Height, 80);
             EXPECT_NEAR(*w.Facts().Measures.Volume, 60 * 40 * 80, 1e-6);
             EXPECT_TRUE(HasLine(w.MeasureLines(), "V = a·b·c = 60·40·80"));
         }},
        {"a size of 0", [](Worksheet& w) { return w.SetParameter("a", 0); }, false,
         [](Worksheet& w) { EXPECT_EQ(w.Document().Source.Family.Length, 60); }},
        {"a key the cuboid has not", [](Worksheet& w) { return w.SetParameter("n", 5); }, false,
         [](Worksheet& w) { EXPECT_NE(w.Status().find("no parameter n"), std::string::npos); }},
        {"a cone", [](Worksheet& w) { return w.ChooseFamily(SchoolFamily::Cone); }, true,
         [](Worksheet& w) {
             EXPECT_EQ(w.Placed().Exact->Shape, quarn::IdealShape::Cone);
             EXPECT_TRUE(HasLine(w.MeasureLines(), "V = 1/3·π·r²·h = 1/3·π·30²·60"));
             // Its facets are not the cone's: no list of their edges, only the model's counts and totals.
             EXPECT_FALSE(HasLine(w.MeasureLines(), "Edge lengths"));
             EXPECT_TRUE(HasLine(w.MeasureLines(), "Faceted model"));
             EXPECT_TRUE(HasLine(w.MeasureLines(), "S ≈ "));
         }},
        {"a pyramid after the cuboid", [](Worksheet& w) { return w.ChooseFamily(SchoolFamily::Pyramid); }, true,
         [](Worksheet& w) {
             // B1 gives way to the apex: the section goes through the pyramid's own corners.
             EXPECT_EQ(w.Document().Section.Points, (std::array<std::string, 3>{"A", "C", "P"}));
             w.SetTab(SheetTab::Section);
             w.CurrentSheet();
             EXPECT_NE(w.SectionText().find("S = "), std::string::npos) << w.SectionText();
         }},
        {"the cube preset", [](Worksheet& w) { return w.ChoosePreset(0); }, true,
         [](Worksheet& w) {
             EXPECT_EQ(w.Document().Source.Kind, SourceKind::Preset);
             EXPECT_TRUE(HasLine(w.MeasureLines(), "V − E + F = 8 − 12 + 6 = 2"));
             EXPECT_TRUE(HasLine(w.MeasureLines(), "Edge lengths"));
             EXPECT_TRUE(HasLine(w.MeasureLines(), "AB, "));
         }},
        {"a preset no menu item has", [](Worksheet& w) { return w.ChoosePreset(77); }, false,
         [](Worksheet& w) { EXPECT_EQ(w.Document().Source.Kind, SourceKind::Family); }},
        {"a model that is not there", [](Worksheet& w) { return w.OpenModel("/nonexistent/a.qrn"); }, false,
         [](Worksheet& w) {
             EXPECT_NE(w.Status().find("cannot read"), std::string::npos);
             EXPECT_EQ(quarn::Scene().MeshSlots.Count, 1);  // the cuboid is still shown
         }},
        {"a file of another kind", [](Worksheet& w) { return w.OpenModel(ORRIN_TEST_DATA "/3ds/PROVENANCE.txt"); }, false,
         [](Worksheet& w) { EXPECT_NE(w.Status().find("neither a .qrn nor a .3ds"), std::string::npos); }},
        {"a 3ds model", [](Worksheet& w) { return w.OpenModel(ORRIN_TEST_DATA "/3ds/fels.3ds"); }, true,
         [](Worksheet& w) {
             EXPECT_EQ(w.Document().Source.Kind, SourceKind::Model);
             EXPECT_FALSE(w.Placed().Exact.has_value());
         }},
        {"fold and section sliders held in range",
         [](Worksheet& w) {
             w.SetFold(3);
             w.SetSectionSliders(-5, 90);
             return true;
         },
         true,
         [](Worksheet& w) {
             EXPECT_EQ(w.Document().Fold, 1);
             EXPECT_EQ(w.Document().Section.Offset, -1);
             EXPECT_EQ(w.Document().Section.Tilt, 60);
             EXPECT_FALSE(w.Document().Section.ThroughPoints);
         }},
        {"turning past half a turn wraps, pitch stops at the pole",
         [](Worksheet& w) {
             w.Turn(-300, 1000);
             w.Zoom(-1e9);
             return true;
         },
         true,
         [](Worksheet& w) {
             EXPECT_NEAR(w.Document().View.Yaw, 0.6 + 3 - 2 * 3.14159265, 1e-5);
             EXPECT_NEAR(w.Document().View.Pitch, 3.14159265 / 2, 1e-6);
             EXPECT_EQ(w.Document().View.Distance, 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        sheet->SetEnglishCaptions(true);  // the refusals read in English
        EXPECT_EQ(c.command(*sheet), c.accepted) << sheet->Status();
        c.check(*sheet);
    }
}

// The worksheet's exports are orrin-render's textbook drawings for the same solid and choices.
TEST_F(WorksheetTest, ExportsAreTheDrawingsOrrinRenderMakes) {
    struct Case {
        const char* source;
        SheetTab tab;
        bool letters;
        std::function<void(Worksheet&)> choose;
    };
    const Case cases[] = {
        {"cube", SheetTab::Oblique, true, [](Worksheet& w) { w.ChoosePreset(0); }},
        {"frustum:n=4,r1=40,r2=20,h=30", SheetTab::ThreeViews, false,
         [](Worksheet& w) { w.ChooseFamily(SchoolFamily::Frustum); }},
        {"cylinder:r=30,h=60", SheetTab::Oblique, true, [](Worksheet& w) { w.ChooseFamily(SchoolFamily::Cylinder); }},
        {"pyramid:n=4,r=40,h=60", SheetTab::Oblique, true, [](Worksheet& w) { w.ChooseFamily(SchoolFamily::Pyramid); }},
        {"cone", SheetTab::ThreeViews, false,
         [](Worksheet& w) {
             w.ChoosePreset(4);
             w.SetAuxiliary(false);
             w.SetEnglishCaptions(true);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        SetUp();
        c.choose(*sheet);
        sheet->SetTab(c.tab);
        sheet->SetLetters(c.letters);
        for (const std::string extension : {".tex", ".png"}) {
            const std::string ours = Path(std::string("worksheet") + extension);
            ASSERT_TRUE(sheet->Export(ours, 72)) << sheet->Status();
            std::vector<std::string> args{c.source, "--textbook", "--view", c.tab == SheetTab::ThreeViews ? "three" : "oblique",
                                          "-o", Path(std::string("render") + extension), "--size", "842x595"};
            if (c.letters) args.push_back("--labels");
            if (!sheet->Document().Auxiliary) args.push_back("--no-aux");
            if (sheet->Document().EnglishCaptions) args.insert(args.end(), {"--lang", "en"});
            const RenderOptions options = ParseRenderOptions(args);
            WriteTextbookDrawing(options, LoadSource(options));
            EXPECT_EQ(ReadBytes(ours), ReadBytes(Path(std::string("render") + extension))) << extension;
        }
    }
}

// Every format is written from the one sheet and parses as what it claims to be; a name without a
// known extension and a folder that is not there are refused with a reason.
// The sheet is built again only when what it is drawn from changed: a command that leaves the tab's
// choices and the solid as they were keeps the sheet and its revision, and the sheet kept is always
// the one a fresh build gives.
TEST_F(WorksheetTest, SheetIsRebuiltOnlyWhenWhatItShowsChanged) {
    struct Step {
        const char* what;
        std::function<void(Worksheet&)> command;
        bool rebuilt;
    };
    const Step steps[] = {
        {"the fold slider", [](Worksheet& w) { w.SetFold(0.5); }, false},
        {"the 3D view turned and zoomed", [](Worksheet& w) { w.Turn(30, 10), w.Zoom(20); }, false},
        {"letters set as they are", [](Worksheet& w) { w.SetLetters(true); }, false},
        {"glue tabs, which the oblique tab does not draw", [](Worksheet& w) { w.SetNetTabs(false); }, false},
        {"a refused parameter", [](Worksheet& w) { w.SetParameter("a", 0); }, false},
        {"letters off", [](Worksheet& w) { w.SetLetters(false); }, true},
        {"the three views", [](Worksheet& w) { w.SetTab(SheetTab::ThreeViews); }, true},
        {"letters on, which the three views do not carry", [](Worksheet& w) { w.SetLetters(true); }, false},
        {"section sliders off the section tab", [](Worksheet& w) { w.SetSectionSliders(0.2, 10); }, false},
        {"hidden edges left out", [](Worksheet& w) { w.SetHiddenEdges(HiddenEdges::Hidden); }, true},
        {"english captions", [](Worksheet& w) { w.SetEnglishCaptions(true); }, true},
        {"the section tab", [](Worksheet& w) { w.SetTab(SheetTab::Section); }, true},
        {"the section moved", [](Worksheet& w) { w.SetSectionSliders(0.4, 0); }, true},
        {"the same tab again", [](Worksheet& w) { w.SetTab(SheetTab::Section); }, false},
        {"a new height", [](Worksheet& w) { w.SetParameter("c", 70); }, true},
        {"a cone", [](Worksheet& w) { w.ChooseFamily(SchoolFamily::Cone); }, true},
    };
    // The SVG of a sheet, without the number the writer gives each page it writes.
    const auto svg = [](const quarn::Sheet& s) {
        const std::string bytes = quarn::SheetBytes(s, SheetFormat::Svg, WorksheetPage(SheetFormat::Svg, 96));
        return std::regex_replace(bytes, std::regex("surface[0-9]+"), "surface");
    };
    sheet->CurrentSheet();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int before = sheet->SheetRevision();
        step.command(*sheet);
        const std::string kept = svg(sheet->CurrentSheet());
        EXPECT_EQ(sheet->SheetRevision() != before, step.rebuilt);
        EXPECT_TRUE(kept == svg(sheet->SheetOf(sheet->Document().Tab))) << "a stale sheet was kept";
    }
}

TEST_F(WorksheetTest, ExportWritesEachFormatAndRefusesWhatItCannotWrite) {
    const struct {
        const char* name;
        const char* start;
    } files[] = {{"a.svg", "<?xml"}, {"a.pdf", "%PDF-"}, {"a.png", "\x89PNG"}, {"a.tex", "\\begin{tikzpicture}"}};
    for (const auto& f : files) {
        ASSERT_TRUE(sheet->Export(Path(f.name), 150)) << sheet->Status();
        EXPECT_NE(ReadBytes(Path(f.name)).substr(0, 200).find(f.start), std::string::npos) << f.name;
    }
    EXPECT_EQ(sheet->SheetBytesOf(SheetFormat::Svg).rfind("<?xml", 0), 0u);
    EXPECT_GT(ReadBytes(Path("a.png")).size(), 0u);
    sheet->SetEnglishCaptions(true);
    EXPECT_FALSE(sheet->Export(Path("a.doc")));
    EXPECT_NE(sheet->Status().find(".svg, .pdf, .png or .tex"), std::string::npos);
    EXPECT_FALSE(sheet->Export("/nonexistent/folder/a.pdf"));
}

// Hidden edges are dashed as orrin-render draws them, left out, or drawn as visible lines; tabs
// without a drawing say so on their sheet.
TEST_F(WorksheetTest, HiddenEdgeChoiceAndTabsWithoutDrawings) {
    const auto pens = [&](quarn::Pen pen) {
        int n = 0;
        for (const quarn::SheetPath& p : sheet->CurrentSheet().Paths) n += p.Stroke == pen;
        return n;
    };
    sheet->ChoosePreset(0);
    ASSERT_GT(pens(quarn::Pen::Hidden), 0);
    const int visible = pens(quarn::Pen::Visible);
    sheet->SetHiddenEdges(HiddenEdges::Hidden);
    EXPECT_EQ(pens(quarn::Pen::Hidden), 0);
    EXPECT_EQ(pens(quarn::Pen::Visible), visible);
    sheet->SetHiddenEdges(HiddenEdges::Solid);
    EXPECT_EQ(pens(quarn::Pen::Hidden), 0);
    EXPECT_GT(pens(quarn::Pen::Visible), visible);
}

// The 展开图 tab: the cube's net at true size, the 3D view folding it as the slider moves and the
// solid back in the scene on leaving the tab; a solid without a net says why.
TEST_F(WorksheetTest, NetTabFoldsTheNetInTheViewAndSaysWhenThereIsNone) {
    sheet->ChoosePreset(0);
    sheet->SetTab(SheetTab::Net);
    EXPECT_EQ(sheet->SheetNote(SheetTab::Net), "");
    EXPECT_TRUE(sheet->CurrentSheet().MillimetresPerUnit.has_value());
    EXPECT_FALSE(sheet->CurrentSheet().Paths.empty());
    quarn::Canvas flat(300, 240), folded(300, 240);
    sheet->SetFold(0);
    sheet->DrawView(flat);
    EXPECT_EQ(quarn::Scene().MeshSlots.Count, 2);  // the solid, hidden, and the net
    sheet->SetFold(1);
    sheet->DrawView(folded);
    EXPECT_FALSE(std::equal(flat.Pixels(), flat.Pixels() + 300 * 240, folded.Pixels()));
    sheet->SetTab(SheetTab::Oblique);
    EXPECT_EQ(quarn::Scene().MeshSlots.Count, 1);
    EXPECT_TRUE(quarn::Scene().Meshes[quarn::Scene().CurrentMesh].Visible);
    ASSERT_TRUE(sheet->Export(Path("net.pdf")));

    sheet->SetEnglishCaptions(true);
    sheet->ChoosePreset(10);  // the torus
    sheet->SetTab(SheetTab::Net);
    const std::string note = sheet->SheetNote(SheetTab::Net);
    EXPECT_NE(note.find("no net"), std::string::npos) << note;
    // On the sheet the long reason is wrapped, line under line, with nothing lost.
    const quarn::Sheet shown = sheet->CurrentSheet();
    ASSERT_GT(shown.Texts.size(), 1u);
    std::string joined;
    for (std::size_t k = 0; k < shown.Texts.size(); ++k) {
        EXPECT_LE(shown.Texts[k].Text.size(), 32u);
        EXPECT_EQ(shown.Texts[k].LinesBelow, double(k));
        joined += (k ? " " : "") + shown.Texts[k].Text;
    }
    EXPECT_EQ(joined, note);
}

// The section through three of the cube's points or moved by the sliders is named as a teacher names
// it; a point the cube has not is refused with the reason on the sheet's line.
TEST_F(WorksheetTest, SectionsThroughPointsOrSlidersAreNamed) {
    sheet->ChoosePreset(0);
    sheet->SetTab(SheetTab::Section);
    const struct {
        std::array<std::string, 3> through;
        const char* shape;
    } planes[] = {
        {{"A1", "B", "D"}, "正三角形"},
        {{"A", "C", "C1"}, "矩形"},
        {{"mid(A,B)", "mid(B,C)", "mid(C,C1)"}, "正六边形"},
    };
    for (const auto& p : planes) {
        sheet->SetSectionPoints(p.through);
        sheet->CurrentSheet();
        EXPECT_EQ(sheet->SectionShapeName(), p.shape) << p.through[0] << p.through[1] << p.through[2];
    }
    sheet->SetSectionSliders(0.5, 0);
    sheet->CurrentSheet();
    EXPECT_EQ(sheet->SectionShapeName(), "正方形");
    EXPECT_NE(sheet->SectionText().find("1600"), std::string::npos) << sheet->SectionText();
    sheet->SetSectionSliders(0, 45);  // through the middle, tilted: across two opposite edges
    sheet->CurrentSheet();
    EXPECT_EQ(sheet->SectionShapeName(), "矩形");
    sheet->SetSectionPoints({"A", "B", "Q"});  // no corner Q
    sheet->CurrentSheet();
    EXPECT_NE(sheet->SectionText().find("Q"), std::string::npos) << sheet->SectionText();
}

// The faces and edges a teacher names: a cuboid's faces by their corners with their areas, its
// edges by their ends; under the pointer in the drawn view a face gives its area and, near its
// line, an edge its length.
TEST_F(WorksheetTest, FacesAndEdgesAreNamedMeasuredAndFoundUnderThePointer) {
    const SolidFacts& facts = sheet->Facts();
    ASSERT_EQ(facts.FaceList.size(), 6u);
    ASSERT_EQ(facts.EdgeList.size(), 12u);
    EXPECT_EQ(facts.EdgeList[0].Name, "AB");
    std::set<std::string> names;
    double area = 0;
    for (const FaceFact& f : facts.FaceList) {
        names.insert(f.Name);
        area += f.Area;
    }
    EXPECT_EQ(names, (std::set<std::string>{"ABCD", "A1B1C1D1", "ABB1A1", "BCC1B1", "CDD1C1", "ADD1A1"}));
    EXPECT_NEAR(area, 2 * (60 * 40 + 60 * 30 + 40 * 30), 1e-6);
    EXPECT_TRUE(HasLine(sheet->MeasureLines(), "= 2400"));

    quarn::Canvas view(400, 300);
    sheet->DrawView(view);
    const HoverInfo middle = sheet->HoverAt(200, 150);
    ASSERT_EQ(middle.What, HoverInfo::Kind::Face);
    EXPECT_TRUE(middle.Value == 2400 || middle.Value == 1800 || middle.Value == 1200) << middle.Value;
    EXPECT_TRUE(sheet->ViewNeedsDrawing());  // the outline is drawn with the next view
    // Beside a corner of the solid, along each direction, an edge of a face in view is within reach.
    const quarn::SceneStore& store = quarn::Scene();
    const quarn::MeshRecord& mesh = store.Meshes[store.CurrentMesh];
    bool edgeFound = false;
    for (int v = 0; v < mesh.VertexCount && !edgeFound; ++v) {
        const quarn::Vector3D a = store.ScreenVertices[mesh.FirstVertex + v];
        const HoverInfo near = sheet->HoverAt(a.x + 1, a.y + 1);
        edgeFound = near.What == HoverInfo::Kind::Edge;
        if (edgeFound) {
            EXPECT_TRUE(near.Value == 60 || near.Value == 40 || near.Value == 30) << near.Value;
        }
    }
    EXPECT_TRUE(edgeFound);
    EXPECT_EQ(sheet->HoverAt(2, 2).What, HoverInfo::Kind::Nothing);
}

// On the 截面 tab a click near a corner or an edge's middle in sight sets the next of the three points
// (the first again after the third) and the section follows; a click near nothing, near a hidden
// corner, on another tab or before the solid placed was drawn sets none.
TEST_F(WorksheetTest, ClicksInTheViewPickSectionPoints) {
    quarn::Canvas view(400, 300);
    sheet->SetTab(SheetTab::Section);
    sheet->DrawView(view);  // the cuboid
    const quarn::Vector3D cuboidB = CornerOnScreen(*sheet, "B");
    sheet->ChoosePreset(0);  // the cube, seen from the front right: D lies behind it
    EXPECT_FALSE(sheet->ClickAt(cuboidB.x, cuboidB.y));
    sheet->SetTab(SheetTab::Oblique);
    sheet->DrawView(view);
    EXPECT_FALSE(sheet->ClickAt(CornerOnScreen(*sheet, "B").x, CornerOnScreen(*sheet, "B").y));
    sheet->SetTab(SheetTab::Section);
    sheet->DrawView(view);
    const struct {
        const char *from, *to;  // a corner, or the middle of the edge from-to
        double dx, dy;          // how far off the pointer is
        std::array<std::string, 3> points;
        const char *status, *shape;  // before: through A, C, B1, 正三角形
    } clicks[] = {
        {"B", nullptr, 3, -3, {"B", "C", "B1"}, "截面第 1 点：B", "正方形"},
        {"B", "C", -2, 2, {"B", "mid(B,C)", "B1"}, "截面第 2 点：BC中点", "正方形"},
        {"D", nullptr, 0, 0, {"B", "mid(B,C)", "B1"}, "附近没有顶点", "正方形"},  // hidden
        {"B", "C", 12, 0, {"B", "mid(B,C)", "B1"}, "附近没有顶点", "正方形"},     // out of reach
        {"A1", nullptr, -4, 4, {"B", "mid(B,C)", "A1"}, "截面第 3 点：A1", "矩形"},
        {"C1", nullptr, 0, 1, {"C1", "mid(B,C)", "A1"}, "截面第 1 点：C1", "等腰梯形"},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.status);
        const quarn::Vector3D at = c.to ? AlongOnScreen(*sheet, c.from, c.to, 0.5) : CornerOnScreen(*sheet, c.from);
        const bool picks = c.points != sheet->Document().Section.Points;
        EXPECT_EQ(sheet->ClickAt(at.x + c.dx, at.y + c.dy), picks);
        EXPECT_EQ(sheet->Document().Section.Points, c.points);
        EXPECT_NE(sheet->Status().find(c.status), std::string::npos) << sheet->Status();
        sheet->CurrentSheet();
        EXPECT_EQ(sheet->SectionShapeName(), c.shape);
    }
}

// The edge under the pointer is drawn thick in its own colour, alone; a face away from its edges is
// outlined all round in another.
TEST_F(WorksheetTest, HoverDrawsTheEdgeOrOutlinesTheFace) {
    sheet->ChoosePreset(0);
    quarn::Canvas view(400, 300);
    sheet->DrawView(view);
    // Before any hover: each flat face is lit evenly, both its triangles (whichever way the diagonal
    // runs) in one shade.
    for (const auto& [face, corners] : {std::pair{"ABB1A1", std::array{"A", "B", "B1", "A1"}},
                                        std::pair{"BCC1B1", std::array{"B", "C", "C1", "B1"}}}) {
        SCOPED_TRACE(face);
        const quarn::Vector3D middle = AlongOnScreen(*sheet, corners[0], corners[2], 0.5);
        std::set<std::int32_t> shades;
        for (const char* corner : corners) {
            const quarn::Vector3D c = CornerOnScreen(*sheet, corner);
            shades.insert(view.GetPixel(int(std::lround(middle.x + 0.6 * (c.x - middle.x))),
                                        int(std::lround(middle.y + 0.6 * (c.y - middle.y)))));
        }
        EXPECT_EQ(shades.size(), 1u) << *shades.begin() << " " << *shades.rbegin();
    }
    const struct {
        const char *from, *to;
        double along;        // where along from-to the pointer is
        std::size_t lines;   // 1: the edge from-to; 4: the front face ABB1A1 round its middle
    } cases[] = {{"A", "B", 0.4, 1}, {"B1", "C1", 0.7, 1}, {"A", "B1", 0.5, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + c.to);
        const quarn::Vector3D at = AlongOnScreen(*sheet, c.from, c.to, c.along);
        const bool edge = c.lines == 1;
        ASSERT_EQ(sheet->HoverAt(at.x, at.y).What, edge ? HoverInfo::Kind::Edge : HoverInfo::Kind::Face);
        const std::vector<ViewSegment> outline = sheet->HoverOutline();
        ASSERT_EQ(outline.size(), c.lines);
        sheet->DrawView(view);
        const quarn::Vector3D line = edge ? at : AlongOnScreen(*sheet, "A", "B", 0.5);  // AB borders the face
        EXPECT_EQ(view.GetPixel(int(std::lround(line.x)), int(std::lround(line.y))), edge ? kHoverEdgeColor : kHoverFaceColor);
        const quarn::Vector3D a = CornerOnScreen(*sheet, c.from), b = CornerOnScreen(*sheet, c.to);
        EXPECT_TRUE(!edge || (outline[0].A == a && outline[0].B == b) || (outline[0].A == b && outline[0].B == a));
    }
    EXPECT_EQ(sheet->HoverAt(2, 2).What, HoverInfo::Kind::Nothing);
    EXPECT_TRUE(sheet->HoverOutline().empty());
}

// On the 展开图 tab the camera stands back as the net opens, so that the whole net is in view at every
// fold; folded shut it stands where it stood for the solid, and the user's zoom still adds to it.
TEST_F(WorksheetTest, TheFoldedNetStaysInViewAtEveryFold) {
    const quarn::SceneStore& s = quarn::Scene();
    quarn::Canvas view(420, 300);
    for (const SchoolFamily family : {SchoolFamily::Cuboid, SchoolFamily::Pyramid, SchoolFamily::Cylinder}) {
        sheet->ChooseFamily(family);
        sheet->SetTab(SheetTab::Net);
        for (const double fold : {0.0, 0.5, 1.0}) {
            SCOPED_TRACE(sheet->Placed().Title + " folded " + std::to_string(fold));
            sheet->SetFold(fold);
            sheet->DrawView(view);
            const quarn::MeshRecord& net = s.Meshes[s.MeshSlots.First + s.MeshSlots.Count - 1];  // stored last
            ASSERT_TRUE(net.Visible && !s.Meshes[s.CurrentMesh].Visible);
            double left = 420, right = 0, top = 300, bottom = 0;
            for (int v = net.FirstVertex; v < net.FirstVertex + net.VertexCount; ++v) {
                const quarn::Vector3D p = s.ScreenVertices[v];
                ASSERT_TRUE(p.x >= 0 && p.x < 420 && p.y >= 0 && p.y < 300) << p.x << ", " << p.y;
                left = std::min(left, double(p.x)), right = std::max(right, double(p.x));
                top = std::min(top, double(p.y)), bottom = std::max(bottom, double(p.y));
            }
            EXPECT_EQ(sheet->NetStandOff() > 1e-6, fold < 1) << sheet->NetStandOff();
            // The camera looks at the middle of the flat net, not at the solid's place beside it.
            if (fold == 0) {
                EXPECT_NEAR((left + right) / 2, 210, 30) << left << " .. " << right;
                EXPECT_NEAR((top + bottom) / 2, 150, 30) << top << " .. " << bottom;
            }
        }
    }
    sheet->SetFold(0);
    sheet->DrawView(view);
    const double standOff = sheet->NetStandOff();
    sheet->Zoom(60);
    sheet->DrawView(view);
    // From the flat net's middle, the point the camera looks at.
    const quarn::MeshRecord& net = s.Meshes[s.MeshSlots.First + s.MeshSlots.Count - 1];
    double low[3] = {INFINITY, INFINITY, INFINITY}, high[3] = {-INFINITY, -INFINITY, -INFINITY};
    for (int v = net.FirstVertex; v < net.FirstVertex + net.VertexCount; ++v) {
        const float p[3] = {s.Vertices[v].x, s.Vertices[v].y, s.Vertices[v].z};
        for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], double(p[k])), high[k] = std::max(high[k], double(p[k]));
    }
    const quarn::Vector3D eye = s.Cameras[s.CurrentCamera].Position;
    EXPECT_NEAR(std::hypot(eye.x - (low[0] + high[0]) / 2, eye.y - (low[1] + high[1]) / 2, eye.z - (low[2] + high[2]) / 2),
                sheet->Document().View.Distance + standOff, 1e-2);
}

// The worksheet's own texts in Chinese and in English, each wording its own; under a net the check
// bar's label and the scale line stand a clear line apart, and clear of the bar, on any page.
TEST_F(WorksheetTest, TextsInChineseAndEnglish) {
    const auto texts = [](const quarn::Sheet& sheet) {
        std::string all;
        for (const quarn::SheetText& t : sheet.Texts) all += t.Text + "|";
        return all;
    };
    const struct {
        std::function<std::string(Worksheet&)> text;
        const char *chinese, *english;
    } cases[] = {
        {[](Worksheet& w) { w.ChoosePreset(0); w.SetParameter("a", 5); return w.Status(); }, "所示立体没有参数", "has no parameters"},
        {[](Worksheet& w) { w.SetParameter("a", 0); return w.Status(); }, "长 a 须大于 0", "must be a number above 0"},
        {[](Worksheet& w) { w.ChooseFamily(SchoolFamily::Frustum); w.SetParameter("r2", 50); return w.Status(); },
         "r2 须小于 r1（40），不能是 50", "r2 must be less than r1"},
        {[](Worksheet& w) { w.OpenModel("/nonexistent/a.qrn"); return w.Status(); }, "无法读取“/nonexistent/a.qrn”", "cannot read"},
        {[](Worksheet& w) { w.Export("a.doc"); return w.Status(); }, "请用 .svg、.pdf、.png 或 .tex", "choose a name ending"},
        {[](Worksheet& w) { w.ChoosePreset(10); return w.SheetNote(SheetTab::Net); }, "展开图：没有展开图（环面在两个方向上弯曲", "a torus has no net"},
        {[&](Worksheet& w) { w.SetTab(SheetTab::Net); return texts(w.CurrentSheet()); }, "比例：1 单位 = 1 mm", "scale: 1 unit = 1 mm"},
        {[](Worksheet& w) { return w.MeasureLines()[3]; }, "棱长", "Edge lengths"},
        {[](Worksheet& w) {
             w.ChooseFamily(SchoolFamily::Prism);
             std::string all;
             for (const std::string& line : w.MeasureLines()) all += line + "|";
             return all;
         },
         "S表 = 2·S底 + n·a·h", "S = 2·B + n·a·h"},
        {[](Worksheet& w) { w.ChoosePreset(21); return w.Status(); }, "六棱柱", "hexagonal prism"},
        {[](Worksheet& w) { return SectionPointChoices(w.Facts()).back().Caption; }, "中点", "midpoint of"},
        {[](Worksheet& w) { w.SetTab(SheetTab::Section); w.SetSectionPoints({"A", "A", "B"}); w.CurrentSheet(); return w.SectionText(); },
         "A、A、B 在一条直线上", "lie on one line"},
    };
    for (const bool english : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(english ? c.english : c.chinese);
            SetUp();
            sheet->SetEnglishCaptions(english);
            const std::string said = c.text(*sheet);
            EXPECT_NE(said.find(english ? c.english : c.chinese), std::string::npos) << said;
            EXPECT_EQ(said.find(english ? c.chinese : c.english), std::string::npos) << said;
        }
    }
    sheet->SetTab(SheetTab::Net);
    const quarn::Sheet net = sheet->CurrentSheet();
    const quarn::SheetText &label = net.Texts[net.Texts.size() - 2], &scale = net.Texts.back();
    ASSERT_EQ(label.Text, "100 mm");
    for (const auto& [w, h, fitted] : {std::tuple{240.0, 180.0, true}, {842.0, 595.0, true}, {842.0, 595.0, false}}) {
        quarn::Sheet shown = net;
        if (fitted) shown.MillimetresPerUnit.reset();
        const quarn::PageLayout page = quarn::LayOutSheet(shown, w, h, 1);
        const double size = quarn::TextSize(page, quarn::TextRole::Note), barY = page.Map(label.At).y;
        const double labelY = page.Map(quarn::TextCentre(page, label)).y, scaleY = page.Map(quarn::TextCentre(page, scale)).y;
        EXPECT_GT(scaleY - labelY, 1.5 * size) << w;
        EXPECT_GT(labelY - barY, 0.8 * size) << w;
    }
}

}  // namespace
}  // namespace orrin::testing
