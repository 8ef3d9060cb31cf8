#pragma once
// Colours as three signed 16-bit components, normally 0..255, and their packed 24-bit form
// red + green * 256 + blue * 65536.

#include <cstdint>

namespace quarn {

struct ColorRGB16 {
    std::int16_t Red = 0;
    std::int16_t Green = 0;
    std::int16_t Blue = 0;
    friend bool operator==(const ColorRGB16&, const ColorRGB16&) = default;
};

// Component sums; a sum outside the 16-bit range raises ArithmeticError.
ColorRGB16 ColorAdd(const ColorRGB16& a, const ColorRGB16& b);
// Each component times f, rounded half to even.
ColorRGB16 ColorScale(const ColorRGB16& c, float f);
// a + (b - a) * t per component, rounded half to even.
ColorRGB16 ColorLerp(const ColorRGB16& a, const ColorRGB16& b, float t);
ColorRGB16 ColorFromRGB(std::int32_t packed);
std::int32_t ColorToRGB(const ColorRGB16& c);
inline ColorRGB16 BlackColor() { return {}; }
// Each component round(r * 255) with r uniform in [0, 1), after reseeding the generator from the clock.
ColorRGB16 RandomColor();

}  // namespace quarn
