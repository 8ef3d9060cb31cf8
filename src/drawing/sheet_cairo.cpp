#include "drawing/sheet_cairo.hpp"

#include "drawing/sheet_page.hpp"

namespace quarn {
namespace {

void TracePath(cairo_t* cr, const std::vector<PathStep>& steps, const PageLayout& page) {
    for (const PathStep& step : steps) {
        const Point2 p = page.Map(step.To);
        switch (step.Step) {
            case PathStep::Kind::MoveTo: cairo_move_to(cr, p.x, p.y); break;
            case PathStep::Kind::LineTo: cairo_line_to(cr, p.x, p.y); break;
            case PathStep::Kind::CurveTo: {
                const Point2 a = page.Map(step.Control1), b = page.Map(step.Control2);
                cairo_curve_to(cr, a.x, a.y, b.x, b.y, p.x, p.y);
                break;
            }
            case PathStep::Kind::Close: cairo_close_path(cr); break;
        }
    }
}

// Hidden lines dashed and a little thinner, centre lines long-dash-dot and thin, thin lines solid.
void SetPen(cairo_t* cr, Pen pen, double lw) {
    switch (pen) {
        case Pen::Visible:
            cairo_set_dash(cr, nullptr, 0, 0);
            cairo_set_line_width(cr, lw);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            break;
        case Pen::Hidden: {
            const double dashes[] = {4 * lw, 3 * lw};
            cairo_set_line_width(cr, lw * 0.8);
            cairo_set_dash(cr, dashes, 2, 0);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            break;
        }
        case Pen::Centre: {
            const double dashes[] = {8 * lw, 2 * lw, 1.5 * lw, 2 * lw};
            cairo_set_line_width(cr, lw * 0.5);
            cairo_set_dash(cr, dashes, 4, 0);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            break;
        }
        case Pen::Thin:
            cairo_set_dash(cr, nullptr, 0, 0);
            cairo_set_line_width(cr, lw * 0.5);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            break;
    }
}

// A letter with its subscript, centred on the point.
void ShowLetter(cairo_t* cr, const SheetText& text, const Point2& centre, double fontSize) {
    cairo_set_font_size(cr, fontSize);
    cairo_text_extents_t big, small{};
    cairo_text_extents(cr, text.Text.c_str(), &big);
    if (!text.Subscript.empty()) {
        cairo_set_font_size(cr, fontSize * 0.65);
        cairo_text_extents(cr, text.Subscript.c_str(), &small);
    }
    const double x = centre.x - (big.x_advance + small.x_advance) / 2;
    const double y = centre.y + fontSize * 0.35;
    cairo_set_font_size(cr, fontSize);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.Text.c_str());
    if (!text.Subscript.empty()) {
        cairo_set_font_size(cr, fontSize * 0.65);
        cairo_move_to(cr, x + big.x_advance, y + fontSize * 0.25);
        cairo_show_text(cr, text.Subscript.c_str());
    }
}

// Upright text centred on the point.
void ShowCentred(cairo_t* cr, const std::string& text, const Point2& centre, double fontSize) {
    cairo_set_font_size(cr, fontSize);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_move_to(cr, centre.x - extents.x_advance / 2, centre.y + fontSize * 0.35);
    cairo_show_text(cr, text.c_str());
}

}  // namespace

void PaintSheet(cairo_t* cr, const Sheet& sheet, const SheetFonts& fonts, double width, double height,
                double unitsPerPoint) {
    const PageLayout page = LayOutSheet(sheet, width, height, unitsPerPoint);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);

    for (const SheetFill& fill : sheet.Fills) {
        cairo_set_source_rgba(cr, fill.Red, fill.Green, fill.Blue, fill.Opacity);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        TracePath(cr, fill.Outline, page);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const SheetPath& path : sheet.Paths) {
        SetPen(cr, path.Stroke, page.LineWidth);
        TracePath(cr, path.Steps, page);
        cairo_stroke(cr);
    }
    for (const Point2& dot : sheet.Dots) {
        const Point2 at = page.Map(dot);
        cairo_new_sub_path(cr);
        cairo_arc(cr, at.x, at.y, page.LineWidth * 1.5, 0, 6.283185307179586);
        cairo_fill(cr);
    }

    for (const SheetText& text : sheet.Texts) {
        const bool letter = text.Role == TextRole::Letter;
        cairo_font_face_t* face = letter ? fonts.Letters() : fonts.Text();
        if (face == nullptr) continue;
        cairo_set_font_face(cr, face);
        const Point2 at = page.Map(text.At);
        if (letter) {
            // Away is in sheet units with y up; the page's y runs down.
            const double reach = page.FontSize * 0.8;
            ShowLetter(cr, text, {at.x + text.Away.x * reach, at.y - text.Away.y * reach}, page.FontSize);
        } else {
            ShowCentred(cr, text.Text, page.Map(TextCentre(page, text)), TextSize(page, text.Role));
        }
    }
}

}  // namespace quarn
