#pragma once
// Checked numeric helpers: every value the engine stores passes through one of these,
// so an overflow or an impossible division raises ArithmeticError instead of wrapping.

#include <cstdint>

namespace quarn {

using Index = std::int16_t;

// Rounds to the nearest integer, an exact half going to the even neighbour.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// 16-bit arithmetic that throws instead of wrapping.
Index CheckedAdd16(int a, int b);
Index CheckedSub16(int a, int b);
Index ToInt16(long long value);

// a / b, throwing when b is zero or the result is not finite.
double CheckedDivide(double a, double b);

// Throws the ArithmeticError for a value that cannot be stored as a float.
[[noreturn]] void ThrowUnstorableFloat(double value);

// Rounds a double to the float it is stored as; throws on overflow or NaN. Inline: every stored
// coordinate and colour factor of a frame passes through here.
inline float StoreFloat(double value) {
    const float f = static_cast<float>(value);
    if (!(f - f == 0.0f)) ThrowUnstorableFloat(value);  // false exactly for infinities and NaN
    return f;
}

}  // namespace quarn
