#pragma once
// The canvas: a software device context. A width x height image of 32-bit pixels that persists
// between paints, with a pen, a brush, a raster mode and a current position. Colours at this
// interface are packed red + green * 256 + blue * 65536; pixels are stored as 0xFFRRGGBB so the
// window can show them without converting. Every call clips to the image and accepts any 32-bit
// coordinate, in time that depends only on the visible part.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

struct CanvasPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A gradient corner: 16-bit channels whose high byte is the 8-bit colour (255 is 0xFF00).
struct GradientVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};

struct CanvasTextExtent {
    int width = 0;
    int height = 0;
};

inline constexpr int kDefaultFontPixels = 12;

enum class GradientMode { RectHorizontal = 0, RectVertical = 1, Triangle = 2 };

// Pen styles and brush styles by the numbers the picture areas use.
inline constexpr int kPenSolid = 0;
inline constexpr int kPenNone = 5;
inline constexpr int kBrushSolid = 0;
inline constexpr int kBrushHollow = 1;
// Any other pen style draws a solid pen, any other brush style a solid brush.

// The sixteen binary raster operations 1..16 (13 copy, 15 merge, 6 invert, 5 pen AND NOT screen).
inline constexpr int kRopBlack = 1;
inline constexpr int kRopMaskPenNot = 5;
inline constexpr int kRopNot = 6;
inline constexpr int kRopCopyPen = 13;
inline constexpr int kRopMergePen = 15;
inline constexpr int kRopWhite = 16;

// Applies raster operation mode (1..16) to a destination and a source pixel.
std::uint32_t ApplyRop2(std::uint32_t destination, std::uint32_t source, int mode);

// Packed colour (red low) to stored pixel (0xFFRRGGBB) and back.
std::uint32_t PixelFromColor(std::int32_t packed);
std::int32_t ColorFromPixel(std::uint32_t pixel);

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height);

    // Changes the size, keeping the pixels that still fit; new pixels get the back colour. Negative
    // sizes count as 0; more than 2^28 pixels throws std::length_error.
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row-major pixels, Width() per row, 0xFFRRGGBB.
    const std::uint32_t* Pixels() const { return pixels_.data(); }
    std::uint32_t* Pixels() { return pixels_.data(); }
    // Row y (0 <= y < Height()), Width() pixels.
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    // Device-context state, kept between calls and frames.
    void SetPenColor(std::int32_t packed) { penColor_ = packed; }
    std::int32_t PenColor() const { return penColor_; }
    void SetPenStyle(int style) { penStyle_ = style; }
    int PenStyle() const { return penStyle_; }
    void SetBrushColor(std::int32_t packed) { brushColor_ = packed; }
    std::int32_t BrushColor() const { return brushColor_; }
    void SetBrushStyle(int style) { brushStyle_ = style; }
    int BrushStyle() const { return brushStyle_; }
    // A mode outside 1..16 is refused and the previous mode stays, as a device context does.
    void SetRasterMode(int mode) {
        if (mode >= 1 && mode <= 16) rasterMode_ = mode;
    }
    int RasterMode() const { return rasterMode_; }
    CanvasPoint CurrentPosition() const { return position_; }

    void SetBackColor(std::int32_t packed) { backColor_ = packed; }
    std::int32_t BackColor() const { return backColor_; }
    // A picture drawn at the top-left corner by Clear; nullptr for none.
    void SetBackgroundPicture(std::shared_ptr<const Canvas> picture) { background_ = std::move(picture); }
    const std::shared_ptr<const Canvas>& BackgroundPicture() const { return background_; }

    // Fills with the back colour, then draws the background picture.
    void Clear();

    // Fills the polygon (alternate rule) with the brush, then outlines it with the pen, both under the
    // raster mode. Shared edges of neighbouring triangles are filled once; the fill leaves out right and
    // bottom edges, which the pen covers when there is one. The outline touches each of its pixels once.
    void Polygon(const CanvasPoint* points, int count);
    // Sets one pixel to the colour; the raster mode does not apply.
    void SetPixel(std::int32_t x, std::int32_t y, std::int32_t packed);
    // The packed colour at (x, y), or -1 outside the image.
    std::int32_t GetPixel(std::int32_t x, std::int32_t y) const;
    void MoveToEx(std::int32_t x, std::int32_t y);
    // A line in the pen colour from the current position to (x, y), leaving out (x, y) itself.
    void LineTo(std::int32_t x, std::int32_t y);
    // Cubic Bezier segments through 1 + 3n points, in the pen colour.
    void PolyBezier(const CanvasPoint* points, int count);
    // Triangles (indices in threes) or rectangles (indices in twos: upper-left, lower-right vertex).
    // A triangle covers its edges and corners, each corner pixel taking its vertex's colour exactly; a
    // rectangle leaves out its right and bottom edges. The raster mode does not apply. An index outside
    // the vertices refuses the whole call.
    void GradientFill(const GradientVertex* vertices, int vertexCount, const std::uint32_t* indices,
                      int primitiveCount, GradientMode mode);
    // UTF-8 text with its top-left corner at (x, y), in the pen colour, transparent background.
    // Glyphs are two-level, so text pixels are exactly the pen colour; the raster mode does not apply.
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8);
    // Width (sum of advances) and line height in pixels that TextOut gives the text; 0, 0 without a font.
    CanvasTextExtent MeasureText(std::string_view utf8) const;
    // Font size in pixels per em for TextOut; 12 is the size of a default interface font.
    void SetFontPixels(int pixels) { fontPixels_ = pixels < 1 ? 1 : (pixels > 512 ? 512 : pixels); }
    int FontPixels() const { return fontPixels_; }

    // PNG files, for tests, diagnostics and the command-line renderer. Throw std::runtime_error on failure.
    void WritePng(const std::string& path) const;
    static Canvas ReadPng(const std::string& path);

private:
    // Applies the pen colour under the raster mode to the pixels at the given linear indices.
    void ApplyPenPixels(std::vector<std::uint32_t>& indices, bool removeRepeats);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::int32_t penColor_ = 0;
    int penStyle_ = kPenSolid;
    std::int32_t brushColor_ = 0xFFFFFF;
    int brushStyle_ = kBrushSolid;
    int rasterMode_ = kRopCopyPen;
    CanvasPoint position_;
    std::int32_t backColor_ = 0xFFFFFF;
    std::shared_ptr<const Canvas> background_;
    int fontPixels_ = kDefaultFontPixels;
    std::vector<std::uint32_t> penScratch_;  // pixel indices of the pen drawing in progress
};

// Makes TextOut use the font file at path (a collection's first face); an empty path goes back to the
// fontconfig search for a font that covers Chinese. Forgets the loaded font and whether its absence was
// reported.
void UseCanvasFontFile(const std::string& path);

}  // namespace quarn
