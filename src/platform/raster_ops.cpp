#include "platform/raster_ops.hpp"

#include "platform/canvas.hpp"

namespace quarn {

std::uint32_t ApplyRop2(std::uint32_t destination, std::uint32_t source, int mode) {
    return raster::WithRop2(mode, [&](auto op) { return op.Apply(destination, source); });
}

std::uint32_t PixelFromColor(std::int32_t packed) {
    const auto bits = static_cast<std::uint32_t>(packed);
    const std::uint32_t red = bits & 0xFFu;
    const std::uint32_t green = (bits >> 8) & 0xFFu;
    const std::uint32_t blue = (bits >> 16) & 0xFFu;
    return raster::kOpaque | (red << 16) | (green << 8) | blue;
}

std::int32_t ColorFromPixel(std::uint32_t pixel) {
    const std::uint32_t red = (pixel >> 16) & 0xFFu;
    const std::uint32_t green = (pixel >> 8) & 0xFFu;
    const std::uint32_t blue = pixel & 0xFFu;
    return static_cast<std::int32_t>(red | (green << 8) | (blue << 16));
}

}  // namespace quarn
