#pragma once
// The two colour panes: the hue strip along the right edge, the shade strip along the bottom edge with
// its two inverting markers, and picking a colour and a shade with the mouse.

#include <cstdint>

#include "platform/canvas.hpp"

namespace orrin {

inline constexpr std::int16_t kGradientHorizontal = 1;
inline constexpr std::int16_t kGradientVertical = 2;

// A two-colour gradient over the rectangle, its corners rounded half to even; direction 1 runs from
// left to right, 2 from top to bottom, anything else draws nothing.
void GradientRect(quarn::Canvas& pane, float x1, float y1, float x2, float y2, std::int16_t direction,
                  std::int32_t colorA, std::int32_t colorB);
// Six vertical bands round the colour circle, magenta through red, yellow, green, cyan and blue.
void DrawHueBands(quarn::Canvas& pane, float x1, float y1, float x2, float y2);
// Black to the colour over the left half, the colour to white over the right half.
void DrawShadeBar(quarn::Canvas& pane, float x1, float y1, float x2, float y2, std::int32_t color);
// A filled, unoutlined triangle pointing up with its tip at (x, y), drawn under the raster mode.
void DrawTriangleMarker(quarn::Canvas& pane, float x, float y, float size, std::int32_t fillColor,
                        std::int16_t rasterMode);

void Picture2_Resize();
void Picture3_Resize();
// With a button held, picks the colour under the pointer (a point outside the image keeps the old one)
// and redraws the shade strip.
void Picture2_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
void Picture2_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
// With a button held, sets the shade from the pointer's distance to the strip's centre.
void Picture3_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
void Picture3_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);

}  // namespace orrin
