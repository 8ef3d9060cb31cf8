#pragma once
// A net on paper at true size, ready to cut out: cut lines solid, fold lines dashed, glue tabs thin
// with their fold dashed and the cut pair's number on both edges, the vertex letters at the corners,
// a 100 mm check bar and the scale it was printed at.

#include <string>

#include "drawing/sheet.hpp"
#include "drawing/sheet_page.hpp"
#include "geometry/solid_net.hpp"

namespace quarn {

enum class Paper { A4, Letter };

struct NetSheetOptions {
    bool Labels = false;
    bool Tabs = false;
    double MillimetresPerUnit = 1;  // asked for; a net that does not fit is printed smaller
    Paper PaperSize = Paper::A4;
    CaptionLanguage Language = CaptionLanguage::English;  // of the scale line under the check bar
};

struct NetSheet {
    Sheet Drawing;                    // in world units, at Drawing.MillimetresPerUnit
    PageSize Page;                    // in points, turned to landscape for a wide net
    bool ScaledToFit = false;         // the net was printed smaller than asked
};

inline constexpr double kNetMarginMillimetres = 10;
inline constexpr double kCheckBarMillimetres = 100;

// Adds the glue tabs to a copy of the net when asked and it has none.
NetSheet MakeNetSheet(const SolidNet& net, const NetSheetOptions& options);

}  // namespace quarn
