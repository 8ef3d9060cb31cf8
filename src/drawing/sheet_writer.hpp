#pragma once
// Writes a textbook sheet as an SVG or PDF page or a PNG picture: white background, visible lines
// solid, hidden lines dashed, everything scaled to fit with a margin, letters beside the vertices.

#include <optional>
#include <stdexcept>
#include <string>

#include "drawing/textbook_sheet.hpp"

namespace quarn {

enum class SheetFormat { Svg, Pdf, Png };

// The format a file name asks for by its extension (any case), or nothing.
std::optional<SheetFormat> SheetFormatOf(const std::string& path);

// The file could not be written; the text says why.
class SheetOutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// width and height in pixels for PNG, in points (1/72 inch) for SVG and PDF.
void WriteSheetFile(const TextbookSheet& sheet, const std::string& path, int width, int height);

}  // namespace quarn
