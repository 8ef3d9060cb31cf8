#pragma once
// Helpers shared by the canvas tests: pixel sets and a brute-force reference for the fill rule.

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/canvas.hpp"

namespace quarn::testing {

inline constexpr std::int32_t kBlack = 0x000000;
inline constexpr std::int32_t kWhite = 0xFFFFFF;

// A canvas of the given size cleared to the colour.
inline Canvas MakeCanvas(int width, int height, std::int32_t back) {
    Canvas canvas(width, height);
    canvas.SetBackColor(back);
    canvas.Clear();
    return canvas;
}

// (x, y) of every pixel whose colour differs from colour.
inline std::set<std::pair<int, int>> PixelsNotOf(const Canvas& canvas, std::int32_t colour) {
    std::set<std::pair<int, int>> result;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.GetPixel(x, y) != colour) result.insert({x, y});
        }
    }
    return result;
}

// The fill rule written out per pixel: (x, y) is inside when an odd number of edges meet row y
// (upper end included, lower end not) at or left of x. Exact in 128 bits.
inline bool InsideByRule(const std::vector<CanvasPoint>& polygon, std::int64_t x, std::int64_t y) {
    __extension__ typedef __int128 Wide;
    bool inside = false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        CanvasPoint a = polygon[i];
        CanvasPoint b = polygon[(i + 1) % polygon.size()];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        if (y < a.y || y >= b.y) continue;
        // crossing = a.x + (y - a.y) (b.x - a.x) / (b.y - a.y) <= x
        if (Wide{y - a.y} * (std::int64_t{b.x} - a.x) <= Wide{x - a.x} * (std::int64_t{b.y} - a.y))
            inside = !inside;
    }
    return inside;
}

}  // namespace quarn::testing
