#pragma once
// Checked numeric helpers: every value the engine stores passes through one of these,
// so an overflow or an impossible division raises ArithmeticError instead of wrapping.

#include <bit>
#include <cmath>
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

// The checked helpers as a policy for code written once over its arithmetic: every step throws at once.
// This is the reference that every faster path is compared with.
struct CheckedArithmetic {
    static constexpr bool kDefers = false;
    float Store(double value) const { return StoreFloat(value); }
    std::int16_t Round16(double value) const { return RoundToInt16(value); }
    std::int32_t Round32(double value) const { return RoundToInt32(value); }
    Index Add16(int a, int b) const { return CheckedAdd16(a, b); }
    Index Sub16(int a, int b) const { return CheckedSub16(a, b); }
    double Divide(double a, double b) const { return CheckedDivide(a, b); }
};

// The same steps with the same results, except that a step that would throw only marks the work as
// failed and gives a harmless value. The caller checks Failed once per block of work and, when it is set,
// redoes the block with CheckedArithmetic, which raises exactly the fault the checked path raises. Nothing
// the block does may be seen by anyone before that check.
struct DeferredArithmetic {
    static constexpr bool kDefers = true;

    // True once any step has failed.
    bool Failed() const { return failed; }
    void Fail() { failed = true; }

    float Store(double value) {
        const float f = static_cast<float>(value);
        // An exponent of all ones is an infinity or NaN. Tested on the bits, the checks of a block form
        // no chain of floating-point operations.
        failed |= (std::bit_cast<std::uint32_t>(f) & 0x7F800000u) == 0x7F800000u;
        return f;
    }
    std::int16_t Round16(double value) { return static_cast<std::int16_t>(RoundWithin(value, 32768.0)); }
    std::int32_t Round32(double value) { return static_cast<std::int32_t>(RoundWithin(value, 2147483648.0)); }
    Index Add16(int a, int b) { return Fit16(a + b); }
    Index Sub16(int a, int b) { return Fit16(a - b); }
    double Divide(double a, double b) {
        if (b == 0.0) {
            Fail();
            return 0;
        }
        const double q = a / b;
        failed |= !std::isfinite(q);
        return q;
    }

  private:
    bool failed = false;

    // value rounded half to even when the result lies in [-bound, bound - 1], else failed. Adding and
    // removing 2^52 rounds exactly as nearbyint does for |value| < 2^51.
    double RoundWithin(double value, double bound) {
        if (!(value > -bound - 1 && value < bound)) {
            Fail();
            return 0;
        }
        const double r = value >= 0 ? (value + 0x1p52) - 0x1p52 : (value - 0x1p52) + 0x1p52;
        const bool outside = r < -bound || r > bound - 1;
        failed |= outside;
        return outside ? 0 : r;
    }
    Index Fit16(int v) {
        failed |= v < -32768 || v > 32767;
        return static_cast<Index>(v);
    }
};

// work(arith) run with DeferredArithmetic; when a step failed, run again with CheckedArithmetic, which
// throws at the step that failed. work must change nothing but its result.
template <class Work>
auto ComputeDeferred(Work work) {
    DeferredArithmetic deferred;
    auto result = work(deferred);
    if (!deferred.Failed()) return result;
    CheckedArithmetic checked;
    return work(checked);
}

}  // namespace quarn
