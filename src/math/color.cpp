#include "math/color.hpp"

#include "platform/numeric.hpp"
#include "platform/random.hpp"

namespace quarn {

ColorRGB16 ColorAdd(const ColorRGB16& a, const ColorRGB16& b) {
    return {CheckedAdd16(a.Red, b.Red), CheckedAdd16(a.Green, b.Green), CheckedAdd16(a.Blue, b.Blue)};
}

ColorRGB16 ColorScale(const ColorRGB16& c, float f) {
    return {RoundToInt16(double(c.Red) * f), RoundToInt16(double(c.Green) * f), RoundToInt16(double(c.Blue) * f)};
}

ColorRGB16 ColorLerp(const ColorRGB16& a, const ColorRGB16& b, float t) {
    auto lerp = [t](std::int16_t from, std::int16_t to) {
        return RoundToInt16(from + double(CheckedSub16(to, from)) * t);
    };
    return {lerp(a.Red, b.Red), lerp(a.Green, b.Green), lerp(a.Blue, b.Blue)};
}

ColorRGB16 ColorFromRGB(std::int32_t v) {
    return {static_cast<std::int16_t>(v & 0xFF), static_cast<std::int16_t>((v & 0xFF00) / 256),
            static_cast<std::int16_t>((v & 0xFF0000) / 65536)};
}

std::int32_t ColorToRGB(const ColorRGB16& c) { return c.Red + c.Green * 256 + c.Blue * 65536; }

ColorRGB16 RandomColor() {
    ReseedRandomFromClock();
    const float r = NextRandom(), g = NextRandom(), b = NextRandom();
    return {RoundToInt16(r * 255.0), RoundToInt16(g * 255.0), RoundToInt16(b * 255.0)};
}

}  // namespace quarn
