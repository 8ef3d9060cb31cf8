#include "drawing/sheet_page.hpp"

#include <algorithm>

namespace quarn {
namespace {

// On a sheet at true scale lines and letters have a printed size.
constexpr double kTrueScaleLinePoints = 0.8;
constexpr double kTrueScaleFontPoints = 10;

// From one line of a caption or note to the next, in its font sizes.
constexpr double kLineSpacing = 1.3;

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

double TextSize(const PageLayout& page, TextRole role) {
    return role == TextRole::Caption ? page.FontSize : page.FontSize * 0.8;
}

Point2 TextCentre(const PageLayout& page, const SheetText& text) {
    return {text.At.x, text.At.y - text.LinesBelow * kLineSpacing * TextSize(page, text.Role) / page.Scale};
}

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
    double below = 0;  // the lowest text's drop under its anchor
    for (const SheetText& t : sheet.Texts) below = std::max(below, t.LinesBelow * kLineSpacing * TextSize(layout, t.Role));
    const double margin = unit * 0.06 + std::max(HasLetters(sheet) ? layout.FontSize * 1.5 : 0, below);
    FitToPage(layout, box, width, height, margin);
    return layout;
}

}  // namespace quarn
