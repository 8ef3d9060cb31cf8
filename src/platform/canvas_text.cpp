// Text: glyphs rendered by FreeType from a font that fontconfig finds, drawn in the pen colour.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>

#include "platform/canvas.hpp"
#include "platform/font_files.hpp"
#include "platform/raster_ops.hpp"
#include "platform/ui.hpp"

namespace quarn {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kChineseProbe = 0x7ACB;  // 立, from the window's own caption

// Decodes UTF-8; each byte that does not start a well-formed sequence becomes U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> codes;
    codes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
            minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            code = (code << 6) | (next & 0x3Fu);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        codes.push_back(valid ? code : kReplacement);
        i += valid ? length : 1;
    }
    return codes;
}

struct Glyph {
    int left = 0;  // from the pen position to the bitmap's left column
    int top = 0;   // from the baseline up to the bitmap's top row
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<std::uint8_t> coverage;  // width * rows, 0..255
};

// The process's one font face and its rendered glyphs. The program draws from one thread.
class TextFont {
public:
    static TextFont& Instance() {
        static TextFont font;
        return font;
    }

    void UseFile(std::string path) {
        Unload();
        requestedPath_ = std::move(path);
        reported_ = false;
    }

    // Loads the face on first use at the given size; false without a usable font, which is reported
    // through the Ui the first time.
    bool Prepare(int pixels) {
        if (face_ == nullptr && !failed_) Load();
        if (face_ == nullptr) {
            if (!reported_) {
                reported_ = true;
                CurrentUi().ShowMessage("No usable font was found; text cannot be drawn.", "Font",
                                        MessageIcon::Warning);
            }
            return false;
        }
        if (pixels != pixels_) {
            if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) != 0) return false;
            pixels_ = pixels;
        }
        return true;
    }

    // For the size last prepared.
    int Ascent() const { return static_cast<int>((face_->size->metrics.ascender + 63) >> 6); }
    int LineHeight() const { return static_cast<int>((face_->size->metrics.height + 63) >> 6); }

    const Glyph& GlyphFor(char32_t code) {
        const std::uint64_t key = (std::uint64_t{static_cast<std::uint32_t>(pixels_)} << 32) | code;
        const auto found = glyphs_.find(key);
        if (found != glyphs_.end()) return found->second;
        return glyphs_.emplace(key, Render(code)).first->second;
    }

private:
    TextFont() = default;
    ~TextFont() {
        Unload();
        if (library_ != nullptr) FT_Done_FreeType(library_);
    }

    void Load() {
        failed_ = true;
        if (library_ == nullptr && FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return;
        }
        std::optional<FontFile> file;
        if (requestedPath_.empty()) {
            // Chinese sans-serif text, from a font with both Latin and Chinese letters if there is one.
            file = FindFontFile("sans-serif:lang=zh-cn", {U'A', kChineseProbe});
        } else {
            file = FontFile{requestedPath_, 0};
        }
        if (!file || FT_New_Face(library_, file->Path.c_str(), file->Index, &face_) != 0) {
            face_ = nullptr;
            return;
        }
        failed_ = false;
    }

    void Unload() {
        if (face_ != nullptr) FT_Done_Face(face_);
        face_ = nullptr;
        failed_ = false;
        pixels_ = 0;
        glyphs_.clear();
    }

    // Two-level glyphs, as an interface font at this size is drawn: every text pixel is exactly the pen
    // colour, whatever lies under it. Embedded grey bitmaps are blended by coverage.
    Glyph Render(char32_t code) {
        Glyph glyph;
        if (FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return glyph;
        const FT_GlyphSlot slot = face_->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
        if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
        const int grays = std::max<int>(bitmap.num_grays, 2);
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
            std::uint8_t* target = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
            for (int column = 0; column < glyph.width; ++column) {
                if (mono) {
                    target[column] = (source[column >> 3] & (0x80u >> (column & 7))) != 0 ? 255 : 0;
                } else {
                    target[column] = static_cast<std::uint8_t>(source[column] * 255 / (grays - 1));
                }
            }
        }
        return glyph;
    }

    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    std::string requestedPath_;
    bool failed_ = false;
    bool reported_ = false;
    int pixels_ = 0;
    std::unordered_map<std::uint64_t, Glyph> glyphs_;
};

bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// Mixes pen into screen by coverage (0..255), channel by channel.
std::uint32_t Blend(std::uint32_t screen, std::uint32_t pen, std::uint32_t coverage) {
    std::uint32_t result = raster::kOpaque;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t s = (screen >> shift) & 0xFFu;
        const std::uint32_t p = (pen >> shift) & 0xFFu;
        result |= ((p * coverage + s * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

void DrawGlyph(Canvas& canvas, const Glyph& glyph, std::int64_t left, std::int64_t top, std::uint32_t pen) {
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + glyph.width, canvas.Width());
    const std::int64_t y1 = std::min<std::int64_t>(top + glyph.rows, canvas.Height());
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::uint8_t* coverage = glyph.coverage.data() + (y - top) * glyph.width;
        std::uint32_t* row = canvas.Row(static_cast<int>(y));
        for (std::int64_t x = x0; x < x1; ++x) {
            const std::uint32_t c = coverage[x - left];
            if (c == 255) {
                row[x] = pen;
            } else if (c != 0) {
                row[x] = Blend(row[x], pen, c);
            }
        }
    }
}

}  // namespace

void UseCanvasFontFile(const std::string& path) {
    TextFont::Instance().UseFile(path);
}

void Canvas::TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) {
    if (utf8.empty()) return;
    TextFont& font = TextFont::Instance();
    if (!font.Prepare(fontPixels_) || pixels_.empty()) return;
    const std::uint32_t pen = PixelFromColor(penColor_);
    std::int64_t penX = x;
    const std::int64_t baseline = std::int64_t{y} + font.Ascent();
    for (const char32_t code : DecodeUtf8(utf8)) {
        if (IsControl(code)) continue;
        const Glyph& glyph = font.GlyphFor(code);
        DrawGlyph(*this, glyph, penX + glyph.left, baseline - glyph.top, pen);
        penX += glyph.advance;
    }
}

CanvasTextExtent Canvas::MeasureText(std::string_view utf8) const {
    TextFont& font = TextFont::Instance();
    if (!font.Prepare(fontPixels_)) return {};
    CanvasTextExtent extent{0, font.LineHeight()};
    for (const char32_t code : DecodeUtf8(utf8)) {
        if (!IsControl(code)) extent.width += font.GlyphFor(code).advance;
    }
    return extent;
}

}  // namespace quarn
