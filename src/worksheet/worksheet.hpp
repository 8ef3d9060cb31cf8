#pragma once
// The worksheet's behaviour with no window: the document, every command a teacher gives, the 3D view
// drawn through the frame pipeline onto a canvas, the current sheet from the drawing layer, the
// measures and what lies under the pointer. The Qt window calls these and shows the results.

#include <optional>
#include <string>
#include <vector>

#include "drawing/sheet.hpp"
#include "drawing/sheet_writer.hpp"
#include "geometry/solid_net.hpp"
#include "math/vector3d.hpp"
#include "platform/canvas.hpp"
#include "worksheet/solid_facts.hpp"
#include "worksheet/worksheet_document.hpp"

namespace orrin {

// What lies under the pointer in the 3D view: nothing, a face or (near its line) an edge.
struct HoverInfo {
    enum class Kind { Nothing, Face, Edge } What = Kind::Nothing;
    std::string Name;
    double Value = 0;  // area of a face, length of an edge
    std::string Text;  // "面 ABCD: S = 2400", "棱 AB: 60"
};

// A line drawn over the 3D view, in its pixels: a side of the outlined face, or the edge under the
// pointer.
struct ViewSegment {
    quarn::Vector3D A, B;
};
// Their colours (red + 256 green + 65536 blue): a clear blue round a face, an orange edge.
inline constexpr std::int32_t kHoverFaceColor = 0 + 140 * 256 + 255 * 65536;
inline constexpr std::int32_t kHoverEdgeColor = 255 + 110 * 256;

class Worksheet {
  public:
    // Starts the scene afresh (camera, light) and places the starting solid: a cuboid.
    Worksheet();

    const WorksheetDocument& Document() const { return doc_; }
    const ShownSolid& Placed() const { return placed_; }
    const SolidFacts& Facts() const { return facts_; }
    // The status line: the last command's outcome or the reason it was refused.
    const std::string& Status() const { return status_; }
    // The language of the status line, the notes and the measures: the captions' language.
    CaptionLanguage Language() const {
        return doc_.EnglishCaptions ? CaptionLanguage::English : CaptionLanguage::Chinese;
    }

    // Commands. Each returns false, keeping the document as it was and saying why in Status(), when
    // it cannot be done.
    bool ChooseFamily(quarn::SchoolFamily family);
    bool SetParameter(const std::string& key, double value);
    bool ChoosePreset(int menuIndex);
    bool OpenModel(const std::string& path);
    void SetTab(SheetTab tab);
    void SetLetters(bool on);
    void SetHiddenEdges(HiddenEdges hidden);
    void SetAuxiliary(bool on);
    // The three views' captions, and every text of the worksheet, in English instead of Chinese.
    void SetEnglishCaptions(bool on);
    void SetFold(double fold);      // held within 0..1
    void SetNetTabs(bool on);
    void SetSectionPoints(const std::array<std::string, 3>& points);
    void SetSectionSliders(double offset, double tilt);
    // A drag in the 3D view by dx, dy pixels: turning (left button) or zooming (right button); the
    // wheel zooms by steps of 1/8 of a notch's 120.
    void Turn(double dx, double dy);
    void Zoom(double dy);

    // True when the sheet or the 3D view changed since they were last drawn.
    bool ViewNeedsDrawing() const { return viewDirty_; }
    // Draws the 3D view onto the canvas at its size, with the face under the pointer outlined or the
    // edge under it drawn thick. On the 展开图 tab the camera stands back as far as the folded net
    // reaches beyond the solid, so that the whole net stays in view at every fold.
    void DrawView(quarn::Canvas& canvas);
    // What lies under the pointer at (x, y) of the last drawn view; the outline follows it. Nothing
    // until the view was drawn for the solid placed last, and nothing while the net is shown.
    HoverInfo HoverAt(double x, double y);
    // The lines over the next drawn view: the hovered edge alone, else the hovered face's border.
    std::vector<ViewSegment> HoverOutline() const;
    // A click at (x, y) of the last drawn view. On the 截面 tab the corner or edge midpoint nearest
    // to it within reach, of those in sight, becomes the next of the three points the section goes
    // through (the first, second, third, then the first again). Returns false, saying why in
    // Status(), when nothing lies within reach or the tab is another.
    bool ClickAt(double x, double y);
    // Which of the three section points (0, 1, 2) the next click sets.
    int NextSectionPoint() const { return nextPoint_; }
    // How much farther than the document's distance the camera stands for the folded net: 0 off the
    // 展开图 tab and for a net folded shut (the solid itself).
    double NetStandOff() const { return netStandOff_; }
    // The current tab's sheet, built from the drawing layer only when the choices it is drawn from
    // or the solid changed since it was last built.
    const quarn::Sheet& CurrentSheet();
    // Counts the builds of the current sheet: a caller that keeps a picture of it redraws that only
    // when this moved on since it was last asked.
    int SheetRevision() const { return sheetRevision_; }
    // The sheet of a tab, whichever is on top.
    quarn::Sheet SheetOf(SheetTab tab);
    // Why the tab has nothing to show ("not available yet", "no net"), or empty.
    std::string SheetNote(SheetTab tab);

    // The section of the last drawn 截面 sheet: its caption (name and area) or why there is none, and
    // its shape's name ("正三角形"), empty when the plane misses the solid.
    const std::string& SectionText() const { return sectionText_; }
    const std::string& SectionShapeName() const { return sectionShape_; }

    // The measures panel's lines, under the solid's title.
    std::vector<std::string> MeasureLines() const;

    // Writes the current sheet: the format from the name's extension; dpi for a PNG. Returns false
    // with the reason in Status() when the file could not be written.
    bool Export(const std::string& path, int dpi = 150);
    // The same bytes for the clipboard.
    std::string SheetBytesOf(quarn::SheetFormat format, int dpi = 96);

  private:
    // What the current sheet is drawn from: the solid placed and the document's choices that its tab
    // reads; equal keys draw the same sheet.
    struct SheetKey {
        int Solid = 0;
        SheetTab Tab = SheetTab::Oblique;
        bool Letters = false, Auxiliary = false, EnglishCaptions = false, NetTabs = false;
        HiddenEdges Hidden = HiddenEdges::Dashed;
        SectionChoice Section;
        bool operator==(const SheetKey&) const = default;
    };
    SheetKey CurrentSheetKey() const;
    bool Place(const SolidSource& source);
    void SheetChanged() { viewDirty_ = true; }
    // The net of the solid shown, unfolded once per solid; the reason when it has none.
    void EnsureNet();
    // Takes the folded net out of the scene and shows the solid again.
    void RemoveNetMesh();
    quarn::PageSize PageFor(quarn::SheetFormat format, int dpi) const;
    // Why the chosen points give no plane, in Chinese (the plane reader says it in English).
    std::string PlaneRefusal(const SectionChoice& choice) const;
    // Studies the placed mesh for the measures and the pointer, in the worksheet's language.
    void Study();
    void FitSectionPoints();
    // Topology faces of the placed mesh listed in the last frame's draw list.
    std::vector<bool> DrawnFaces() const;
    // The screen position of a welded vertex of the placed mesh in the last frame.
    const quarn::Vector3D& ScreenPoint(int welded) const;
    // The extra camera distance that brings the folded net, at the fold stored, into view.
    double FoldedNetStandOff(const quarn::Canvas& canvas) const;

    WorksheetDocument doc_;
    ShownSolid placed_;
    SolidFacts facts_;
    int mesh_ = 0;
    std::string status_;
    quarn::Sheet sheet_;
    std::string sectionText_, sectionShape_;
    int solidRevision_ = 0;              // one more for every solid placed
    std::optional<SheetKey> sheetKey_;  // what sheet_ was drawn from
    int sheetRevision_ = 0;
    bool viewDirty_ = true;
    std::optional<quarn::SolidNet> net_;
    std::string netError_;
    bool netTried_ = false;
    int netMesh_ = 0;       // the folded net in the scene while the 展开图 tab is up
    double netFold_ = -1;   // the fold it was stored at
    quarn::PageSize netPage_;
    int hoverFace_ = -1;  // solid face outlined in the view
    int hoverEdge_ = -1;  // topology edge under the pointer, drawn thick instead
    int nextPoint_ = 0;   // the section point the next click sets
    double netStandOff_ = 0;
    double solidReach_ = 0, netReach_ = 0;  // farthest points from the camera's target
    quarn::Point3 netTarget_;               // where the camera looks at the folded net
    int viewWidth_ = 0, viewHeight_ = 0;
    bool solidDrawn_ = false;  // the last frame drew the placed solid: the pointer may be read against it
};

// The page a sheet is written on: A4 landscape in points; a PNG at dpi pixels to the inch.
quarn::PageSize WorksheetPage(quarn::SheetFormat format, int dpi);

}  // namespace orrin
