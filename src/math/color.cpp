#include "math/color.hpp"

#include "platform/numeric.hpp"
#include "platform/random.hpp"

namespace quarn {
namespace {

CheckedArithmetic checked;

}  // namespace

ColorRGB16 ColorAdd(const ColorRGB16& a, const ColorRGB16& b) {
    return ColorAdd(checked, a, b);
}

ColorRGB16 ColorScale(const ColorRGB16& c, float f) {
    return ColorScale(checked, c, f);
}

ColorRGB16 ColorLerp(const ColorRGB16& a, const ColorRGB16& b, float t) {
    return ColorLerp(checked, a, b, t);
}

ColorRGB16 ColorFromRGB(std::int32_t v) {
    return {static_cast<std::int16_t>(v & 0xFF), static_cast<std::int16_t>((v & 0xFF00) / 256),
            static_cast<std::int16_t>((v & 0xFF0000) / 65536)};
}

std::int32_t ColorToRGB(const ColorRGB16& c) {
    return c.Red + c.Green * 256 + c.Blue * 65536;
}

ColorRGB16 RandomColor() {
    ReseedRandomFromClock();
    const float r = NextRandom(), g = NextRandom(), b = NextRandom();
    return {RoundToInt16(r * 255.0), RoundToInt16(g * 255.0), RoundToInt16(b * 255.0)};
}

}  // namespace quarn
