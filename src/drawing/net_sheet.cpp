#include "drawing/net_sheet.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "geometry/net_tabs.hpp"

namespace quarn {
namespace {

// The room below the net for the check bar and the notes.
constexpr double kFooterMillimetres = 24;

PageSize PaperPage(Paper paper, bool landscape) {
    double w = paper == Paper::A4 ? 210 * kPointsPerMillimetre : 612;
    double h = paper == Paper::A4 ? 297 * kPointsPerMillimetre : 792;
    if (landscape) std::swap(w, h);
    return {w, h, 1};
}

std::string Millimetres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

struct Outline {
    const std::vector<Point2>* Points;
    std::set<int> Folds;                    // edges drawn dashed by the face's parent, or by this face
    std::set<int> Hidden;                   // the other side of a fold: drawn by the parent
    std::map<int, const NetTab*> TabOnEdge;  // edges a tab's foot lies on
};

// One outline: its cut edges solid, its folds and tab feet dashed (the cut then goes round the tab).
void DrawOutline(Sheet& sheet, const Outline& o) {
    const std::vector<Point2>& p = *o.Points;
    const int n = int(p.size());
    SheetPath cut(Pen::Visible), fold(Pen::Hidden);
    for (int e = 0; e < n; ++e) {
        const Point2 &a = p[e], &b = p[(e + 1) % n];
        if (o.Hidden.count(e)) continue;
        if (o.Folds.count(e)) {
            fold.MoveTo(a).LineTo(b);
            continue;
        }
        const auto tab = o.TabOnEdge.find(e);
        if (tab == o.TabOnEdge.end()) {
            cut.MoveTo(a).LineTo(b);
            continue;
        }
        const NetTab& t = *tab->second;
        if (t.Edges == 1) {
            // The foot may be kept back from the corners: cut up to it, fold along it.
            if (LengthOf(t.Outline[0] - a) > 1e-9) cut.MoveTo(a).LineTo(t.Outline[0]);
            fold.MoveTo(t.Outline[0]).LineTo(t.Outline[3]);
            if (LengthOf(b - t.Outline[3]) > 1e-9) cut.MoveTo(t.Outline[3]).LineTo(b);
        } else {
            for (int k = 0; k < t.Edges; ++k) fold.MoveTo(p[(e + k) % n]).LineTo(p[(e + k + 1) % n]);
        }
    }
    if (!cut.Steps.empty()) sheet.Paths.push_back(cut);
    if (!fold.Steps.empty()) sheet.Paths.push_back(fold);
}

void DrawTabs(Sheet& sheet, const SolidNet& net) {
    SheetPath tabs(Pen::Thin);
    for (const NetTab& t : net.Tabs) tabs.MoveTo(t.Outline[0]).LineTo(t.Outline[1]).LineTo(t.Outline[2]).LineTo(t.Outline[3]);
    if (!tabs.Steps.empty()) sheet.Paths.push_back(tabs);
}

Point2 Centroid(const std::vector<Point2>& points) {
    Point2 c;
    for (const Point2& p : points) c = c + p * (1.0 / points.size());
    return c;
}

// The cut pair's number on both edges, just inside the face or part.
void NumberCuts(Sheet& sheet, const SolidNet& net, double inside) {
    for (const NetCut& cut : net.Cuts)
        for (const auto& edge : {cut.EdgeA, cut.EdgeB}) {
            Point2 d = edge[1] - edge[0];
            d = d * (1 / LengthOf(d));
            const Point2 in{-d.y, d.x};
            sheet.Texts.push_back({TextRole::Note, std::to_string(cut.Number), "",
                                   (edge[0] + edge[1]) * 0.5 + in * inside, {0, 1}});
        }
}

// One letter at each corner of the net, set away from the faces that meet there.
void LetterCorners(Sheet& sheet, const SolidNet& net, double tolerance) {
    struct Corner {
        Point2 At;
        Point2 Away;
        std::string Name;
    };
    std::vector<Corner> corners;
    for (const NetFace& f : net.Faces) {
        const Point2 middle = Centroid(f.Outline);
        for (std::size_t i = 0; i < f.Outline.size(); ++i) {
            if (f.Names[i].empty()) continue;
            Point2 away = f.Outline[i] - middle;
            away = away * (1 / std::max(LengthOf(away), 1e-12));
            auto same = std::find_if(corners.begin(), corners.end(), [&](const Corner& c) {
                return LengthOf(c.At - f.Outline[i]) < tolerance && c.Name == f.Names[i];
            });
            if (same == corners.end()) corners.push_back({f.Outline[i], away, f.Names[i]});
            else same->Away = same->Away + away;
        }
    }
    for (const Corner& c : corners) {
        Point2 away = c.Away;
        const double length = LengthOf(away);
        away = length > 1e-9 ? away * (1 / length) : Point2{0, 1};
        sheet.Texts.push_back({TextRole::Letter, c.Name.substr(0, 1), c.Name.substr(1), c.At, away});
    }
}

}  // namespace

NetSheet MakeNetSheet(const SolidNet& source, const NetSheetOptions& options) {
    SolidNet net = source;
    if (options.Tabs && net.Tabs.empty()) AddGlueTabs(net);
    if (!options.Tabs) net.Tabs.clear();
    const Box2 box = NetBounds(net);

    NetSheet result;
    const bool landscape = box.Width() > box.Height();
    result.Page = PaperPage(options.PaperSize, landscape);
    const double freeWidth = result.Page.Width / kPointsPerMillimetre - 2 * kNetMarginMillimetres;
    const double freeHeight = result.Page.Height / kPointsPerMillimetre - 2 * kNetMarginMillimetres - kFooterMillimetres;
    double scale = options.MillimetresPerUnit;
    if (box.Width() * scale > freeWidth) scale = freeWidth / box.Width();
    if (box.Height() * scale > freeHeight) scale = freeHeight / box.Height();
    result.ScaledToFit = scale < options.MillimetresPerUnit * (1 - 1e-12);
    Sheet& sheet = result.Drawing;
    sheet.MillimetresPerUnit = scale;
    const double mm = 1 / scale;  // sheet units per millimetre of paper

    std::map<std::pair<bool, int>, Outline> outlines;  // (part?, index)
    for (std::size_t f = 0; f < net.Faces.size(); ++f) outlines[{false, int(f)}].Points = &net.Faces[f].Outline;
    for (std::size_t p = 0; p < net.Parts.size(); ++p) outlines[{true, int(p)}].Points = &net.Parts[p].Outline;
    for (const NetFold& fold : net.Folds) {
        outlines[{false, fold.A.Face}].Folds.insert(fold.A.Edge);
        outlines[{false, fold.B.Face}].Hidden.insert(fold.B.Edge);
    }
    for (const NetTab& t : net.Tabs)
        outlines[{t.Part >= 0, t.Part >= 0 ? t.Part : t.Face}].TabOnEdge[t.Edge] = &t;
    for (const auto& [key, outline] : outlines) DrawOutline(sheet, outline);
    DrawTabs(sheet, net);
    if (options.Tabs) NumberCuts(sheet, net, 3 * mm);
    if (options.Labels) LetterCorners(sheet, net, 1e-6 * std::max(box.Width(), box.Height()));

    // The check bar under the net, with its ticks, and the notes beside it.
    const double barY = box.MinY - 8 * mm, barLength = kCheckBarMillimetres * mm;
    SheetPath bar(Pen::Visible);
    bar.MoveTo({box.MinX, barY}).LineTo({box.MinX + barLength, barY});
    for (const double x : {box.MinX, box.MinX + barLength}) bar.MoveTo({x, barY - 1.5 * mm}).LineTo({x, barY + 1.5 * mm});
    sheet.Paths.push_back(bar);
    // The label and the scale line stand under the ticks a line apart in their own font, so that
    // they keep clear of each other and of the bar however small the sheet is shown.
    const double underTicks = barY - 1.5 * mm;
    SheetText label{TextRole::Note, "100 mm", "", {box.MinX + barLength / 2, underTicks}, {0, 1}};
    label.LinesBelow = 0.8;
    sheet.Texts.push_back(label);
    const bool english = options.Language == CaptionLanguage::English;
    std::string note = (english ? "scale: 1 unit = " : "比例：1 单位 = ") + Millimetres(scale) + " mm";
    if (result.ScaledToFit)
        note += english ? " (scaled to fit; " + Millimetres(options.MillimetresPerUnit) + " mm asked)"
                        : "（为放得下而缩小；原定 " + Millimetres(options.MillimetresPerUnit) + " mm）";
    if (net.Approximate)
        note += english ? "; gores: approximate, a sphere has no exact net" : "；球面分瓣为近似，球面没有准确的展开图";
    if (net.Pieces > 1)
        note += english ? "; in " + std::to_string(net.Pieces) + " pieces" : "；共 " + std::to_string(net.Pieces) + " 块";
    const double middle = (box.MinX + std::max(box.MaxX, box.MinX + barLength)) / 2;
    SheetText scaleLine{TextRole::Note, note, "", {middle, underTicks}, {0, 1}};
    scaleLine.LinesBelow = label.LinesBelow + 1.5;
    sheet.Texts.push_back(scaleLine);
    sheet.Extent = box;
    return result;
}

}  // namespace quarn
