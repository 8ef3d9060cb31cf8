#pragma once
// Colours as three signed 16-bit components, normally 0..255, and their packed 24-bit form
// red + green * 256 + blue * 65536.

#include <cstdint>

#include "platform/numeric.hpp"

namespace quarn {

struct ColorRGB16 {
    std::int16_t Red = 0;
    std::int16_t Green = 0;
    std::int16_t Blue = 0;
    friend bool operator==(const ColorRGB16&, const ColorRGB16&) = default;
};

// ColorAdd, ColorScale and ColorLerp over an arithmetic policy (platform/numeric.hpp).
template <class Arith>
[[gnu::always_inline]] inline ColorRGB16 ColorAdd(Arith& arith, const ColorRGB16& a, const ColorRGB16& b) {
    const Index red = arith.Add16(a.Red, b.Red);
    const Index green = arith.Add16(a.Green, b.Green);
    return {red, green, arith.Add16(a.Blue, b.Blue)};
}
template <class Arith>
[[gnu::always_inline]] inline ColorRGB16 ColorScale(Arith& arith, const ColorRGB16& c, float f) {
    const std::int16_t red = arith.Round16(double(c.Red) * f);
    const std::int16_t green = arith.Round16(double(c.Green) * f);
    return {red, green, arith.Round16(double(c.Blue) * f)};
}
template <class Arith>
[[gnu::always_inline]] inline ColorRGB16 ColorLerp(Arith& arith, const ColorRGB16& a, const ColorRGB16& b,
                                                   float t) {
    auto lerp = [&arith, t](std::int16_t from, std::int16_t to) {
        return arith.Round16(from + double(arith.Sub16(to, from)) * t);
    };
    const std::int16_t red = lerp(a.Red, b.Red);
    const std::int16_t green = lerp(a.Green, b.Green);
    return {red, green, lerp(a.Blue, b.Blue)};
}

// Component sums; a sum outside the 16-bit range raises ArithmeticError.
ColorRGB16 ColorAdd(const ColorRGB16& a, const ColorRGB16& b);
// Each component times f, rounded half to even.
ColorRGB16 ColorScale(const ColorRGB16& c, float f);
// a + (b - a) * t per component, rounded half to even.
ColorRGB16 ColorLerp(const ColorRGB16& a, const ColorRGB16& b, float t);
ColorRGB16 ColorFromRGB(std::int32_t packed);
std::int32_t ColorToRGB(const ColorRGB16& c);
inline ColorRGB16 BlackColor() {
    return {};
}
// Each component round(r * 255) with r uniform in [0, 1), after reseeding the generator from the clock.
ColorRGB16 RandomColor();

}  // namespace quarn
