#include "drawing/sheet_page.hpp"

#include <algorithm>

namespace quarn {
namespace {

// On a sheet at true scale lines and letters have a printed size.
constexpr double kTrueScaleLinePoints = 0.8;
constexpr double kTrueScaleFontPoints = 10;

bool HasLetters(const Sheet& sheet) {
    return std::any_of(sheet.Texts.begin(), sheet.Texts.end(),
                       [](const SheetText& t) { return t.Role == TextRole::Letter; });
}

// Uniform scale, centred, with the margin kept free on every side.
void FitToPage(PageLayout& layout, const Box2& box, double width, double height, double margin) {
    if (box.Empty()) return;
    const double w = std::max(box.Width(), 1e-9), h = std::max(box.Height(), 1e-9);
    layout.Scale = std::max(std::min((width - 2 * margin) / w, (height - 2 * margin) / h), 1e-9);
    layout.OriginX = width / 2 - (box.MinX + box.MaxX) / 2 * layout.Scale;
    layout.OriginY = height / 2 + (box.MinY + box.MaxY) / 2 * layout.Scale;
}

}  // namespace

PageLayout LayOutSheet(const Sheet& sheet, double width, double height, double unitsPerPoint) {
    PageLayout layout;
    const Box2 box = sheet.Bounds();
    if (sheet.MillimetresPerUnit) {
        layout.LineWidth = kTrueScaleLinePoints * unitsPerPoint;
        layout.FontSize = kTrueScaleFontPoints * unitsPerPoint;
        layout.Scale = *sheet.MillimetresPerUnit * kPointsPerMillimetre * unitsPerPoint;
        if (!box.Empty()) {
            layout.OriginX = width / 2 - (box.MinX + box.MaxX) / 2 * layout.Scale;
            layout.OriginY = height / 2 + (box.MinY + box.MaxY) / 2 * layout.Scale;
        }
        return layout;
    }
    const double unit = std::min(width, height);
    layout.LineWidth = std::max(1.0, unit / 320);
    layout.FontSize = std::clamp(unit / 24, 8.0, 40.0);
    const double margin = unit * 0.06 + (HasLetters(sheet) ? layout.FontSize * 1.5 : 0);
    FitToPage(layout, box, width, height, margin);
    return layout;
}

}  // namespace quarn
