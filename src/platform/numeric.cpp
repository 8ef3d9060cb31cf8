#include "platform/numeric.hpp"

#include <cmath>
#include <limits>
#include <string>

#include "platform/engine_fault.hpp"

namespace quarn {
namespace {

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) throw ArithmeticError("Overflow: cannot convert a non-finite value to an integer");
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}

}  // namespace

std::int16_t RoundToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) throw ArithmeticError("Overflow: " + std::to_string(value) + " exceeds 16 bits");
    return static_cast<std::int16_t>(r);
}

std::int32_t RoundToInt32(double value) {
    const double r = RoundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw ArithmeticError("Overflow: " + std::to_string(value) + " exceeds 32 bits");
    return static_cast<std::int32_t>(r);
}

Index ToInt16(long long value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw ArithmeticError("Overflow: " + std::to_string(value) + " exceeds 16 bits");
    return static_cast<Index>(value);
}

Index CheckedAdd16(int a, int b) { return ToInt16(static_cast<long long>(a) + b); }

Index CheckedSub16(int a, int b) { return ToInt16(static_cast<long long>(a) - b); }

double CheckedDivide(double a, double b) {
    if (b == 0.0) throw ArithmeticError("Division by zero");
    const double q = a / b;
    if (std::isnan(q)) throw ArithmeticError("Invalid operation in division");
    if (std::isinf(q)) throw ArithmeticError("Overflow in division");
    return q;
}

void ThrowUnstorableFloat(double value) {
    if (std::isnan(value)) throw ArithmeticError("Invalid floating-point operation");
    throw ArithmeticError("Floating-point overflow");
}

}  // namespace quarn
