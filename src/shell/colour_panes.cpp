#include "shell/colour_panes.hpp"

#include <cmath>

#include "math/color.hpp"
#include "platform/numeric.hpp"
#include "shell/main_form.hpp"
#include "shell/shell_state.hpp"

namespace orrin {

using namespace quarn;

namespace {

constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;

struct HueBand {
    std::int32_t from;
    std::int32_t to;
};
// Packed red + green * 256 + blue * 65536, top to bottom.
constexpr HueBand kHueBands[] = {
    {0xFF00FF, 0x0000FF},  // magenta to red
    {0x0000FF, 0x00FFFF},  // red to yellow
    {0x00FFFF, 0x00FF00},  // yellow to green
    {0x00FF00, 0xFFFF00},  // green to cyan
    {0xFFFF00, 0xFF0000},  // cyan to blue
    {0xFF0000, 0xFF00FF},  // blue to magenta
};

GradientVertex Corner(float x, float y, std::int32_t packed) {
    const ColorRGB16 c = ColorFromRGB(packed);
    const auto channel = [](std::int16_t component) { return static_cast<std::uint16_t>(component << 8); };
    return {RoundToInt32(x), RoundToInt32(y), channel(c.Red), channel(c.Green), channel(c.Blue), 0};
}

}  // namespace

void GradientRect(Canvas& pane, float x1, float y1, float x2, float y2, std::int16_t direction,
                  std::int32_t colorA, std::int32_t colorB) {
    if (direction != kGradientHorizontal && direction != kGradientVertical) return;
    const GradientVertex corners[2] = {Corner(x1, y1, colorA), Corner(x2, y2, colorB)};
    const std::uint32_t rectangle[2] = {0, 1};
    pane.GradientFill(
        corners, 2, rectangle, 1,
        direction == kGradientHorizontal ? GradientMode::RectHorizontal : GradientMode::RectVertical);
}

void DrawHueBands(Canvas& pane, float x1, float y1, float x2, float y2) {
    const float band = StoreFloat((static_cast<double>(y2) - y1) / 6);
    // Each edge is computed once from k * band, so neighbouring bands meet without gap or overlap.
    for (int k = 1; k <= 6; ++k) {
        const float top = StoreFloat(y1 + (k - 1) * static_cast<double>(band));
        const float bottom = StoreFloat(y1 + k * static_cast<double>(band));
        GradientRect(pane, x1, top, x2, bottom, kGradientVertical, kHueBands[k - 1].from,
                     kHueBands[k - 1].to);
    }
}

void DrawShadeBar(Canvas& pane, float x1, float y1, float x2, float y2, std::int32_t color) {
    const float half = StoreFloat((static_cast<double>(x2) - x1) / 2);
    const float middle = StoreFloat(static_cast<double>(x1) + half);
    GradientRect(pane, x1, y1, middle, y2, kGradientHorizontal, kBlack, color);
    GradientRect(pane, middle, y1, x2, y2, kGradientHorizontal, color, kWhite);
}

void DrawTriangleMarker(Canvas& pane, float x, float y, float size, std::int32_t fillColor,
                        std::int16_t rasterMode) {
    // Each corner is rounded once from its exact double value: storing x + size/2 as a float first
    // would move a corner by a pixel whenever x lies just below a half.
    const double half = size / 2.0;
    const double base = static_cast<double>(y) + size;
    const CanvasPoint corners[3] = {{RoundToInt32(x), RoundToInt32(y)},
                                    {RoundToInt32(x + half), RoundToInt32(base)},
                                    {RoundToInt32(x - half), RoundToInt32(base)}};
    pane.SetRasterMode(rasterMode);
    pane.SetPenStyle(kPenNone);
    pane.SetBrushStyle(kBrushSolid);
    pane.SetBrushColor(fillColor);
    pane.Polygon(corners, 3);
}

void Picture2_Resize() {
    PictureBox& pane = Form1().Picture2;
    pane.Image.Clear();
    DrawHueBands(pane.Image, 0, 0, static_cast<float>(pane.Image.Width()),
                 static_cast<float>(pane.Image.Height()));
    pane.ShowNow = true;
}

void Picture3_Resize() {
    PictureBox& pane = Form1().Picture3;
    const ShellState& shell = Shell();
    const double width = pane.Image.Width();
    pane.Image.Clear();
    DrawShadeBar(pane.Image, 0, 0, static_cast<float>(width), static_cast<float>(pane.Image.Height()),
                 shell.PickedColor);
    // The size is the pane's height in twips, far more than its pixels: each marker shows as a wedge
    // cut off by the bottom edge. Both invert, so at the centre they cancel out.
    const float size = static_cast<float>(pane.Height);
    const double offset = shell.ShadeAmount * width / 2;
    DrawTriangleMarker(pane.Image, StoreFloat(width / 2 + offset), 0, size, kWhite, kRopMaskPenNot);
    DrawTriangleMarker(pane.Image, StoreFloat(width / 2 - offset), 0, size, kWhite, kRopMaskPenNot);
    pane.ShowNow = true;
}

void Picture2_MouseMove(std::int16_t button, std::int16_t, float x, float y) {
    Form1().Picture2.MousePointer = kPointerCross;
    if (button == 0) return;
    const std::int32_t color = Form1().Picture2.Image.GetPixel(RoundToInt32(x), RoundToInt32(y));
    if (color != -1) Shell().PickedColor = color;
    Picture3_Resize();
}

void Picture2_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    Picture2_MouseMove(button, shift, x, y);
}

void Picture3_MouseMove(std::int16_t button, std::int16_t, float x, float) {
    PictureBox& pane = Form1().Picture3;
    pane.MousePointer = kPointerLeftRight;
    if (button == 0 || pane.Image.Width() == 0) return;
    ShellState& shell = Shell();
    const double half = pane.Image.Width() / 2.0;
    shell.ShadeAmount = StoreFloat(CheckedDivide(std::fabs(x - half), half));
    if (shell.ShadeAmount > 1) shell.ShadeAmount = 1;
    Picture3_Resize();
}

void Picture3_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    Picture3_MouseMove(button, shift, x, y);
}

}  // namespace orrin
