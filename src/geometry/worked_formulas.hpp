#pragma once
// The measures of an exact solid as a worksheet writes them out.

#include <string>

#include "geometry/ideal_solids.hpp"

namespace quarn {

// The formulas a worksheet writes out, first with letters, then with the solid's numbers put in:
// "V = 1/3·π·r²·h = 1/3·π·40²·60". A flat solid has no volume text.
struct WorkedFormulas {
    std::string Volume;
    std::string SurfaceArea;
};

WorkedFormulas WorkIdealFormulas(const IdealSolid& solid);

}  // namespace quarn
