#pragma once
// Writes a sheet as an SVG or PDF page, a PNG picture or a TikZ picture: white page, each pen's lines
// as a textbook draws them, letters beside their points, captions and notes in a font that holds
// Chinese. Also the same bytes in memory (for a clipboard) and the picture's pixels (for a window).

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/sheet.hpp"
#include "drawing/sheet_page.hpp"

namespace quarn {

enum class SheetFormat { Svg, Pdf, Png, Tikz };

// The format a file name asks for by its extension (any case): .svg, .pdf, .png, .tex; or nothing.
std::optional<SheetFormat> SheetFormatOf(const std::string& path);

// The file could not be written; the text says why.
class SheetOutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The page is in points; a PNG has page.PixelsPerPoint pixels to the point.
void WriteSheetFile(const Sheet& sheet, const std::string& path, const PageSize& page);
// width and height in pixels for PNG, in points for the others.
inline void WriteSheetFile(const Sheet& sheet, const std::string& path, int width, int height) {
    WriteSheetFile(sheet, path, PageSize{double(width), double(height), 1});
}

// The bytes the file of that format would hold.
std::string SheetBytes(const Sheet& sheet, SheetFormat format, const PageSize& page);

// The sheet on a white picture of width x height pixels (fitted, or at true scale with pixelsPerPoint
// pixels to the point): 0xFFRRGGBB per pixel, row by row from the top.
std::vector<std::uint32_t> RenderSheetPixels(const Sheet& sheet, int width, int height,
                                             double pixelsPerPoint = 1);

// A TikZ picture of the sheet on a page of this size, in points.
std::string SheetTikz(const Sheet& sheet, const PageSize& page);

}  // namespace quarn
