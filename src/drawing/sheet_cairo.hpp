#pragma once
// Paints a sheet onto a Cairo context whose page is width x height units.

#include <cairo.h>

#include "drawing/sheet.hpp"
#include "drawing/sheet_fonts.hpp"

namespace quarn {

void PaintSheet(cairo_t* cr, const Sheet& sheet, const SheetFonts& fonts, double width, double height,
                double unitsPerPoint);

}  // namespace quarn
