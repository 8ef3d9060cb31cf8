#pragma once
// The sixteen binary raster operations as compile-time types, so that a drawing call picks the
// operation once and its pixel loop is specialised for it.

#include <algorithm>
#include <cstdint>

namespace quarn::raster {

inline constexpr std::uint32_t kOpaque = 0xFF000000u;

// Raster operation Mode (1..16). Mode - 1 is the truth table: bit (2 * pen + screen) holds the result
// for that pair of input bits. The alpha byte stays 0xFF.
template <int Mode>
struct Rop2 {
    static_assert(Mode >= 1 && Mode <= 16);
    static constexpr unsigned kTable = Mode - 1;
    // True when the result does not depend on the screen (black, white, pen, inverted pen).
    static constexpr bool kIgnoresScreen =
        ((kTable & 1u) != 0) == ((kTable & 2u) != 0) && ((kTable & 4u) != 0) == ((kTable & 8u) != 0);
    static constexpr bool kKeepsScreen = kTable == 0b1010u;

    static constexpr std::uint32_t Apply(std::uint32_t screen, std::uint32_t pen) {
        std::uint32_t result = 0;
        if constexpr ((kTable & 1u) != 0) result |= ~pen & ~screen;
        if constexpr ((kTable & 2u) != 0) result |= ~pen & screen;
        if constexpr ((kTable & 4u) != 0) result |= pen & ~screen;
        if constexpr ((kTable & 8u) != 0) result |= pen & screen;
        return result | kOpaque;
    }

    // Applies the operation to count pixels starting at row.
    static void Span(std::uint32_t* row, std::ptrdiff_t count, std::uint32_t pen) {
        if constexpr (kKeepsScreen) {
            return;
        } else if constexpr (kIgnoresScreen) {
            std::fill(row, row + count, Apply(0, pen));
        } else {
            for (std::ptrdiff_t i = 0; i < count; ++i) row[i] = Apply(row[i], pen);
        }
    }
};

// Calls fn(Rop2<mode>{}) and returns its result; a mode outside 1..16 leaves the screen unchanged.
template <class Fn>
decltype(auto) WithRop2(int mode, Fn&& fn) {
    // clang-format off
    switch (mode) {
        case 1: return fn(Rop2<1>{});
        case 2: return fn(Rop2<2>{});
        case 3: return fn(Rop2<3>{});
        case 4: return fn(Rop2<4>{});
        case 5: return fn(Rop2<5>{});
        case 6: return fn(Rop2<6>{});
        case 7: return fn(Rop2<7>{});
        case 8: return fn(Rop2<8>{});
        case 9: return fn(Rop2<9>{});
        case 10: return fn(Rop2<10>{});
        case 12: return fn(Rop2<12>{});
        case 13: return fn(Rop2<13>{});
        case 14: return fn(Rop2<14>{});
        case 15: return fn(Rop2<15>{});
        case 16: return fn(Rop2<16>{});
        default: return fn(Rop2<11>{});
    }
    // clang-format on
}

}  // namespace quarn::raster
