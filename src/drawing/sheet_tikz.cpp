// The sheet as a TikZ picture for a LaTeX exam paper: the same layout as the page writers, in
// points with y up, each pen as a TikZ line style.

#include <cstdio>

#include "drawing/sheet_page.hpp"
#include "drawing/sheet_writer.hpp"

namespace quarn {
namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// TikZ's y runs up from the bottom of the page.
std::string Coordinate(const PageLayout& page, double height, const Point2& p) {
    const Point2 at = page.Map(p);
    return "(" + Number(at.x) + "," + Number(height - at.y) + ")";
}

std::string PenStyle(Pen pen, double lw) {
    switch (pen) {
        case Pen::Visible: return "line width=" + Number(lw) + "pt,line cap=round";
        case Pen::Hidden:
            return "line width=" + Number(0.8 * lw) + "pt,dash pattern=on " + Number(4 * lw) + "pt off " +
                   Number(3 * lw) + "pt";
        case Pen::Centre:
            return "line width=" + Number(0.5 * lw) + "pt,dash pattern=on " + Number(8 * lw) + "pt off " +
                   Number(2 * lw) + "pt on " + Number(1.5 * lw) + "pt off " + Number(2 * lw) + "pt";
        case Pen::Thin: return "line width=" + Number(0.5 * lw) + "pt,line cap=round";
    }
    return "";
}

std::string PathText(const std::vector<PathStep>& steps, const PageLayout& page, double height) {
    std::string text;
    for (const PathStep& step : steps) {
        switch (step.Step) {
            case PathStep::Kind::MoveTo: text += " " + Coordinate(page, height, step.To); break;
            case PathStep::Kind::LineTo: text += " -- " + Coordinate(page, height, step.To); break;
            case PathStep::Kind::CurveTo:
                text += " .. controls " + Coordinate(page, height, step.Control1) + " and " +
                        Coordinate(page, height, step.Control2) + " .. " + Coordinate(page, height, step.To);
                break;
            case PathStep::Kind::Close: text += " -- cycle"; break;
        }
    }
    return text;
}

// Text with TeX's special characters made plain.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\textbackslash{}"; break;
            case '~': out += "\\textasciitilde{}"; break;
            case '^': out += "\\textasciicircum{}"; break;
            case '#': case '$': case '%': case '&': case '_': case '{': case '}': out += std::string("\\") + c; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string SheetTikz(const Sheet& sheet, const PageSize& size) {
    const PageLayout page = LayOutSheet(sheet, size.Width, size.Height, 1);
    const double h = size.Height;
    std::string out =
        "% A sheet drawn by Orrin: \\usepackage{tikz} in the preamble (and ctex for Chinese captions).\n"
        "\\begin{tikzpicture}[x=1pt,y=1pt,line join=round]\n"
        "\\useasboundingbox (0,0) rectangle (" + Number(size.Width) + "," + Number(h) + ");\n";
    for (const SheetFill& fill : sheet.Fills)
        out += "\\fill[even odd rule,fill={rgb,1:red," + Number(fill.Red) + ";green," + Number(fill.Green) +
               ";blue," + Number(fill.Blue) + "},fill opacity=" + Number(fill.Opacity) + "]" +
               PathText(fill.Outline, page, h) + ";\n";
    for (const SheetPath& path : sheet.Paths)
        if (!path.Steps.empty())
            out += "\\draw[" + PenStyle(path.Stroke, page.LineWidth) + "]" + PathText(path.Steps, page, h) + ";\n";
    for (const Point2& dot : sheet.Dots)
        out += "\\fill " + Coordinate(page, h, dot) + " circle[radius=" + Number(1.5 * page.LineWidth) + "pt];\n";
    const std::string fontSize = Number(page.FontSize);
    for (const SheetText& text : sheet.Texts) {
        if (text.Role == TextRole::Letter) {
            const double reach = page.FontSize * 0.8;
            const Point2 at{text.At.x + text.Away.x * reach / page.Scale, text.At.y + text.Away.y * reach / page.Scale};
            out += "\\node[font=\\fontsize{" + fontSize + "}{" + fontSize + "}\\selectfont] at " +
                   Coordinate(page, h, at) + " {$" + Escaped(text.Text) +
                   (text.Subscript.empty() ? "" : "_{" + Escaped(text.Subscript) + "}") + "$};\n";
        } else {
            const std::string size = Number(TextSize(page, text.Role));
            out += "\\node[font=\\fontsize{" + size + "}{" + size + "}\\selectfont] at " +
                   Coordinate(page, h, TextCentre(page, text)) + " {" + Escaped(text.Text) + "};\n";
        }
    }
    return out + "\\end{tikzpicture}\n";
}

}  // namespace quarn
