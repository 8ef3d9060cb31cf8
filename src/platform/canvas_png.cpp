// Canvas images as PNG files, through libpng's simplified interface.

#include <png.h>

#include <stdexcept>

#include "platform/canvas.hpp"
#include "platform/raster_ops.hpp"

namespace quarn {

void Canvas::WritePng(const std::string& path) const {
    if (width_ == 0 || height_ == 0) throw std::runtime_error("Cannot write an empty canvas to " + path);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width_) * height_ * 3);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        rgb[3 * i] = static_cast<std::uint8_t>(pixels_[i] >> 16);
        rgb[3 * i + 1] = static_cast<std::uint8_t>(pixels_[i] >> 8);
        rgb[3 * i + 2] = static_cast<std::uint8_t>(pixels_[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width_);
    image.height = static_cast<png_uint_32>(height_);
    image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
        const std::string reason = image.message;
        png_image_free(&image);
        throw std::runtime_error("Cannot write " + path + ": " + reason);
    }
}

Canvas Canvas::ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        const std::string reason = image.message;
        png_image_free(&image);
        throw std::runtime_error("Cannot read " + path + ": " + reason);
    }
    // Transparent pixels are composed onto black.
    image.format = PNG_FORMAT_RGBA;
    if (std::uint64_t{image.width} * image.height > (std::uint64_t{1} << 28)) {
        png_image_free(&image);
        throw std::runtime_error("Cannot read " + path + ": the image is too large");
    }
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) == 0) {
        const std::string reason = image.message;
        png_image_free(&image);
        throw std::runtime_error("Cannot read " + path + ": " + reason);
    }
    Canvas canvas(static_cast<int>(image.width), static_cast<int>(image.height));
    std::uint32_t* pixels = canvas.Pixels();
    for (std::size_t i = 0; i < canvas.pixels_.size(); ++i) {
        const std::uint8_t* p = &rgba[4 * i];
        const auto over = [&](int channel) { return std::uint32_t{p[channel]} * p[3] / 255; };
        pixels[i] = raster::kOpaque | (over(0) << 16) | (over(1) << 8) | over(2);
    }
    return canvas;
}

}  // namespace quarn
