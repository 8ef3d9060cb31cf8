#include "drawing/sheet_writer.hpp"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <memory>

#include "drawing/label_font.hpp"

namespace quarn {
namespace {

struct SurfaceCloser {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextCloser {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceCloser>;
using Context = std::unique_ptr<cairo_t, ContextCloser>;

void Check(cairo_status_t status, const std::string& path) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw SheetOutputError("cannot write '" + path + "': " + cairo_status_to_string(status));
}

Surface CreateSurface(SheetFormat format, const std::string& path, int width, int height) {
    switch (format) {
        case SheetFormat::Svg:
            return Surface(cairo_svg_surface_create(path.c_str(), width, height));
        case SheetFormat::Pdf:
            return Surface(cairo_pdf_surface_create(path.c_str(), width, height));
        case SheetFormat::Png:
            return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    }
    return nullptr;
}

// Sheet units to page units: uniform scale, centred, y turned down.
struct PageMapping {
    double Scale = 1, OriginX = 0, OriginY = 0;
    Point2 Map(const Point2& p) const { return {OriginX + p.x * Scale, OriginY - p.y * Scale}; }
};

PageMapping FitToPage(const Box2& box, double width, double height, double margin) {
    PageMapping m;
    if (box.Empty()) return m;
    const double w = std::max(box.Width(), 1e-9), h = std::max(box.Height(), 1e-9);
    m.Scale = std::max(std::min((width - 2 * margin) / w, (height - 2 * margin) / h), 1e-9);
    m.OriginX = width / 2 - (box.MinX + box.MaxX) / 2 * m.Scale;
    m.OriginY = height / 2 + (box.MinY + box.MaxY) / 2 * m.Scale;
    return m;
}

void StrokeLines(cairo_t* cr, const SheetItem& item, const PageMapping& page, bool visible) {
    for (const DrawnLine& line : item.Drawing.Lines) {
        if (line.Visible != visible) continue;
        for (std::size_t k = 0; k < line.Points.size(); ++k) {
            const Point2 p = page.Map(line.Points[k] + item.Offset);
            (k == 0 ? cairo_move_to : cairo_line_to)(cr, p.x, p.y);
        }
    }
    cairo_stroke(cr);
}

// A letter with its subscript, centred on the point.
void ShowLabel(cairo_t* cr, const VertexLabel& label, const Point2& centre, double fontSize) {
    const std::string letter(1, label.Letter);
    const std::string subscript = label.Subscript > 0 ? std::to_string(label.Subscript) : "";
    cairo_set_font_size(cr, fontSize);
    cairo_text_extents_t big, small{};
    cairo_text_extents(cr, letter.c_str(), &big);
    if (!subscript.empty()) {
        cairo_set_font_size(cr, fontSize * 0.65);
        cairo_text_extents(cr, subscript.c_str(), &small);
    }
    const double x = centre.x - (big.x_advance + small.x_advance) / 2;
    const double y = centre.y + fontSize * 0.35;
    cairo_set_font_size(cr, fontSize);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, letter.c_str());
    if (!subscript.empty()) {
        cairo_set_font_size(cr, fontSize * 0.65);
        cairo_move_to(cr, x + big.x_advance, y + fontSize * 0.25);
        cairo_show_text(cr, subscript.c_str());
    }
}

void DrawSheet(cairo_t* cr, const TextbookSheet& sheet, const LabelFont& font, double width, double height) {
    const double unit = std::min(width, height);
    const double lineWidth = std::max(1.0, unit / 320);
    const double fontSize = std::clamp(unit / 24, 8.0, 40.0);
    bool labels = false;
    for (const SheetItem& item : sheet.Items) labels = labels || !item.Drawing.Labels.empty();
    const double margin = unit * 0.06 + (labels ? fontSize * 1.5 : 0);
    const PageMapping page = FitToPage(sheet.Bounds(), width, height, margin);

    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);

    const double dashes[] = {4 * lineWidth, 3 * lineWidth};
    cairo_set_line_width(cr, lineWidth * 0.8);
    cairo_set_dash(cr, dashes, 2, 0);
    for (const SheetItem& item : sheet.Items) StrokeLines(cr, item, page, false);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const SheetItem& item : sheet.Items) StrokeLines(cr, item, page, true);

    if (font.Face() == nullptr) return;
    cairo_set_font_face(cr, font.Face());
    for (const SheetItem& item : sheet.Items)
        for (const VertexLabel& label : item.Drawing.Labels) {
            const Point2 at = page.Map(label.At + item.Offset);
            // Away is in sheet units with y up; the page's y runs down.
            ShowLabel(cr, label, {at.x + label.Away.x * fontSize * 0.8, at.y - label.Away.y * fontSize * 0.8},
                      fontSize);
        }
}

}  // namespace

std::optional<SheetFormat> SheetFormatOf(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == "svg") return SheetFormat::Svg;
    if (ext == "pdf") return SheetFormat::Pdf;
    if (ext == "png") return SheetFormat::Png;
    return std::nullopt;
}

void WriteSheetFile(const TextbookSheet& sheet, const std::string& path, int width, int height) {
    const std::optional<SheetFormat> format = SheetFormatOf(path);
    if (!format) throw SheetOutputError("'" + path + "' must end in .svg, .pdf or .png");
    if (width < 1 || height < 1) throw SheetOutputError("the page of '" + path + "' has no size");
    const LabelFont font;  // outlives the surface: it empties Cairo's caches when it goes
    Surface surface = CreateSurface(*format, path, width, height);
    Check(cairo_surface_status(surface.get()), path);
    {
        Context cr(cairo_create(surface.get()));
        DrawSheet(cr.get(), sheet, font, width, height);
        Check(cairo_status(cr.get()), path);
    }
    if (*format == SheetFormat::Png) Check(cairo_surface_write_to_png(surface.get(), path.c_str()), path);
    cairo_surface_finish(surface.get());
    Check(cairo_surface_status(surface.get()), path);
}

}  // namespace quarn
