// Canvas state, size, clearing and single pixels.

#include "platform/canvas.hpp"

#include <algorithm>
#include <stdexcept>

#include "platform/raster_ops.hpp"

namespace quarn {
namespace {

// Far beyond any window, and small enough that every pixel index fits in 32 bits.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

void CheckSize(int width, int height) {
    if (std::int64_t{std::max(width, 0)} * std::max(height, 0) > kMaxPixels) {
        throw std::length_error("Canvas of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is too large");
    }
}

}  // namespace

Canvas::Canvas(int width, int height) {
    Resize(width, height);
}

void Canvas::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    CheckSize(width, height);
    std::vector<std::uint32_t> resized(static_cast<std::size_t>(width) * height, PixelFromColor(backColor_));
    const int keptWidth = std::min(width, width_);
    const int keptHeight = std::min(height, height_);
    for (int y = 0; y < keptHeight; ++y) {
        std::copy_n(Row(y), keptWidth, resized.data() + static_cast<std::size_t>(y) * width);
    }
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
}

void Canvas::Clear() {
    const std::uint32_t back = PixelFromColor(backColor_);
    const bool hasPicture = background_ && background_.get() != this;
    // One pass: rows under the picture take its pixels, the rest of each row the back colour.
    const int pictureWidth = hasPicture ? std::min(width_, background_->Width()) : 0;
    const int pictureHeight = hasPicture ? std::min(height_, background_->Height()) : 0;
    for (int y = 0; y < pictureHeight; ++y) {
        std::uint32_t* row = Row(y);
        std::copy_n(background_->Row(y), pictureWidth, row);
        std::fill(row + pictureWidth, row + width_, back);
    }
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(pictureHeight) * width_, pixels_.end(), back);
}

void Canvas::SetPixel(std::int32_t x, std::int32_t y, std::int32_t packed) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = PixelFromColor(packed);
}

std::int32_t Canvas::GetPixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return ColorFromPixel(Row(y)[x]);
}

void Canvas::ApplyPenPixels(std::vector<std::uint32_t>& indices, bool removeRepeats) {
    if (removeRepeats) {
        std::sort(indices.begin(), indices.end());
        indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    }
    const std::uint32_t pen = PixelFromColor(penColor_);
    std::uint32_t* pixels = pixels_.data();
    raster::WithRop2(rasterMode_, [&](auto op) {
        for (const std::uint32_t index : indices) pixels[index] = op.Apply(pixels[index], pen);
    });
}

}  // namespace quarn
