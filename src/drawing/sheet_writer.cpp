#include "drawing/sheet_writer.hpp"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

#include "drawing/sheet_cairo.hpp"
#include "drawing/sheet_fonts.hpp"

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

void Check(cairo_status_t status) {
    if (status != CAIRO_STATUS_SUCCESS) throw SheetOutputError(cairo_status_to_string(status));
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

int Pixels(double points, double pixelsPerPoint) {
    return int(std::lround(points * pixelsPerPoint));
}

// Paints the sheet on the surface, whose page is width x height units.
void Paint(cairo_surface_t* surface, const Sheet& sheet, const SheetFonts& fonts, double width, double height,
           double unitsPerPoint) {
    Check(cairo_surface_status(surface));
    Context cr(cairo_create(surface));
    PaintSheet(cr.get(), sheet, fonts, width, height, unitsPerPoint);
    Check(cairo_status(cr.get()));
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
    if (ext == "tex") return SheetFormat::Tikz;
    return std::nullopt;
}

std::string SheetBytes(const Sheet& sheet, SheetFormat format, const PageSize& page) {
    if (!(page.Width >= 1 && page.Height >= 1 && page.PixelsPerPoint > 0))
        throw SheetOutputError("the page has no size");
    if (format == SheetFormat::Tikz) return SheetTikz(sheet, page);
    std::string bytes;
    const SheetFonts fonts;  // outlives the surface: it empties Cairo's caches when it goes
    if (format == SheetFormat::Png) {
        const int w = Pixels(page.Width, page.PixelsPerPoint), h = Pixels(page.Height, page.PixelsPerPoint);
        Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h));
        Paint(surface.get(), sheet, fonts, w, h, page.PixelsPerPoint);
        Check(cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &bytes));
        return bytes;
    }
    Surface surface(format == SheetFormat::Svg
                        ? cairo_svg_surface_create_for_stream(AppendBytes, &bytes, page.Width, page.Height)
                        : cairo_pdf_surface_create_for_stream(AppendBytes, &bytes, page.Width, page.Height));
    Paint(surface.get(), sheet, fonts, page.Width, page.Height, 1);
    cairo_surface_finish(surface.get());
    Check(cairo_surface_status(surface.get()));
    return bytes;
}

void WriteSheetFile(const Sheet& sheet, const std::string& path, const PageSize& page) {
    const std::optional<SheetFormat> format = SheetFormatOf(path);
    if (!format) throw SheetOutputError("'" + path + "' must end in .svg, .pdf, .png or .tex");
    std::string bytes;
    try {
        bytes = SheetBytes(sheet, *format, page);
    } catch (const SheetOutputError& error) {
        throw SheetOutputError("cannot write '" + path + "': " + error.what());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw SheetOutputError("cannot write '" + path + "': " + std::strerror(errno));
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw SheetOutputError("cannot write '" + path + "': the disk refused the data");
}

std::vector<std::uint32_t> RenderSheetPixels(const Sheet& sheet, int width, int height, double pixelsPerPoint) {
    if (width < 1 || height < 1) return {};
    std::vector<std::uint32_t> pixels;
    {
        const SheetFonts fonts;
        Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
        Paint(surface.get(), sheet, fonts, width, height, pixelsPerPoint);
        cairo_surface_flush(surface.get());
        const unsigned char* data = cairo_image_surface_get_data(surface.get());
        const int stride = cairo_image_surface_get_stride(surface.get());
        pixels.resize(std::size_t(width) * std::size_t(height));
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
            for (int x = 0; x < width; ++x) pixels[std::size_t(y) * width + x] = row[x] | 0xFF000000u;
        }
    }
    return pixels;
}

}  // namespace quarn
