// Gradient fills: triangles with colours interpolated from their corners, and rectangles shading
// from one vertex's colour to the other's across or down.

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/canvas.hpp"
#include "platform/canvas_raster.hpp"
#include "platform/raster_ops.hpp"
#include "platform/reference_path.hpp"

namespace quarn {
namespace {

using raster::Int128;

using Channels = std::array<std::int64_t, 3>;  // red, green, blue, 16 bits each

Channels ChannelsOf(const GradientVertex& v) {
    return {v.red, v.green, v.blue};
}

// A pixel from 16-bit channels: the high byte of each is the 8-bit colour.
std::uint32_t PixelFromChannels(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return raster::kOpaque | (((red >> 8) & 0xFFu) << 16) | (((green >> 8) & 0xFFu) << 8) |
           ((blue >> 8) & 0xFFu);
}

// The rounding of the span set-up: std::llround, or the same rounding inline for |v| < 2^52, where
// v - trunc(v) is exact.
std::int64_t RoundHalfAway(double v) {
    if (!(v > -0x1p52 && v < 0x1p52)) return std::llround(v);
    const std::int64_t r = static_cast<std::int64_t>(v);
    const double fraction = v - static_cast<double>(r);
    return r + (fraction >= 0.5) - (fraction <= -0.5);  // without branches: the fraction is unpredictable
}

// The channels of a triangle at lattice points, from barycentric weights computed exactly in
// integers and divided in doubles. Weight is the integer type the weights are computed in: Int128
// always fits; std::int64_t fits when every coordinate lies within FitsNarrowWeights and gives the
// same values faster.
template <class Weight>
class TriangleShade {
  public:
    using Weights = std::array<Weight, 3>;

    TriangleShade(const GradientVertex* v0, const GradientVertex* v1, const GradientVertex* v2) {
        const GradientVertex* corners[3] = {v0, v1, v2};
        for (int i = 0; i < 3; ++i) {
            // Corner i weighs by the edge from a to b opposite it.
            const GradientVertex& a = *corners[(i + 1) % 3];
            const GradientVertex& b = *corners[(i + 2) % 3];
            edges_[i] = {a.x, a.y, std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y};
            const Channels c = ChannelsOf(*corners[i]);
            for (int k = 0; k < 3; ++k) channels_[i][k] = static_cast<double>(c[k]);
        }
        area_ = static_cast<double>(WeightsAt(v0->x, v0->y)[0]);
    }

    // Twice the signed area of (a, b, p) for each corner's opposite edge a-b: the corners' weights.
    Weights WeightsAt(std::int64_t x, std::int64_t y) const {
        Weights w;
        for (int i = 0; i < 3; ++i) {
            const Edge& e = edges_[i];
            w[i] = Weight{e.dx} * (y - e.ay) - Weight{e.dy} * (x - e.ax);
        }
        return w;
    }
    // The weights steps further along the row, exactly.
    Weights WeightsAlong(Weights w, std::int64_t steps) const {
        for (int i = 0; i < 3; ++i) w[i] -= Weight{edges_[i].dy} * steps;
        return w;
    }

    // Channels as doubles in 0..65535 for the weights of a point.
    std::array<double, 3> Shade(const Weights& w) const {
        std::array<double, 3> sum{};
        for (int i = 0; i < 3; ++i) {
            const double weight = static_cast<double>(w[i]);
            for (int k = 0; k < 3; ++k) sum[k] += weight * channels_[i][k];
        }
        for (double& channel : sum) channel = std::clamp(channel / area_, 0.0, 65535.0);
        return sum;
    }

  private:
    struct Edge {
        std::int64_t ax, ay, dx, dy;
    };
    std::array<Edge, 3> edges_;
    double channels_[3][3];
    double area_;
};

// Coordinates below 2^29 keep every difference below 2^30 and every weight below 2^61.
bool FitsNarrowWeights(const Canvas& canvas, const GradientVertex* v0, const GradientVertex* v1,
                       const GradientVertex* v2) {
    constexpr std::int64_t kLimit = std::int64_t{1} << 29;
    auto fits = [](std::int64_t c) { return c > -kLimit && c < kLimit; };
    return fits(canvas.Width()) && fits(canvas.Height()) && fits(v0->x) && fits(v0->y) && fits(v1->x) &&
           fits(v1->y) && fits(v2->x) && fits(v2->y);
}

template <class Weight, std::int64_t (*Round)(double)>
void FillGradientTriangle(Canvas& canvas, const GradientVertex* v0, const GradientVertex* v1,
                          const GradientVertex* v2) {
    const CanvasPoint corners[3] = {{v0->x, v0->y}, {v1->x, v1->y}, {v2->x, v2->y}};
    const TriangleShade<Weight> shade(v0, v1, v2);
    raster::ScanClosedTriangle(corners, canvas.Width(), canvas.Height(), [&](int y, int x0, int x1) {
        // Channels computed at both ends of the span, 16.16 fixed-point steps between them. The added
        // half makes the final shift round to the nearest channel value.
        constexpr double kOne = 65536.0;
        const auto weights = shade.WeightsAt(x0, y);
        const std::array<double, 3> first = shade.Shade(weights);
        const std::array<double, 3> last =
            x1 - 1 == x0 ? first : shade.Shade(shade.WeightsAlong(weights, x1 - 1 - x0));
        const int steps = std::max(x1 - x0 - 1, 1);
        // A pixel takes bits 24..31 of each 64-bit value, and those bits of a sum depend only on the
        // low 32 bits of its terms, so the walk along the span runs in wrapping 32-bit lanes.
        std::uint32_t value[3];
        std::uint32_t step[3];
        for (int k = 0; k < 3; ++k) {
            value[k] = static_cast<std::uint32_t>(Round(first[k] * kOne) + 0x8000);
            step[k] = static_cast<std::uint32_t>(Round((last[k] - first[k]) * kOne / steps));
        }
        std::uint32_t* row = canvas.Row(y);
        std::uint32_t red = value[0], green = value[1], blue = value[2];
        for (int x = x0; x < x1; ++x) {
            row[x] = raster::kOpaque | ((red >> 24) << 16) | ((green >> 24) << 8) | (blue >> 24);
            red += step[0];
            green += step[1];
            blue += step[2];
        }
    });
}

std::int64_t LibraryRound(double v) {
    return std::llround(v);
}

void FillGradientTriangle(Canvas& canvas, const GradientVertex* v0, const GradientVertex* v1,
                          const GradientVertex* v2) {
    if (ReferencePathInUse()) {
        FillGradientTriangle<Int128, LibraryRound>(canvas, v0, v1, v2);
    } else if (FitsNarrowWeights(canvas, v0, v1, v2)) {
        FillGradientTriangle<std::int64_t, RoundHalfAway>(canvas, v0, v1, v2);
    } else {
        FillGradientTriangle<Int128, RoundHalfAway>(canvas, v0, v1, v2);
    }
}

// Channels at position p between the vertex at a (colour ca) and the one at b (colour cb), rounded.
Channels Interpolate(std::int64_t p, std::int64_t a, std::int64_t b, const Channels& ca, const Channels& cb) {
    Channels result{};
    std::int64_t span = b - a;
    std::int64_t offset = p - a;
    if (span < 0) {
        span = -span;
        offset = -offset;
    }
    for (int k = 0; k < 3; ++k) {
        const Int128 numerator = Int128{2} * (cb[k] - ca[k]) * offset + span;
        result[k] = std::clamp<std::int64_t>(
            ca[k] + static_cast<std::int64_t>(raster::FloorDiv(numerator, Int128{2} * span)), 0, 0xFFFF);
    }
    return result;
}

std::uint32_t PixelFrom(const Channels& c) {
    return PixelFromChannels(static_cast<std::uint32_t>(c[0]), static_cast<std::uint32_t>(c[1]),
                             static_cast<std::uint32_t>(c[2]));
}

// The rectangle between the two vertices, right and bottom edges left out.
void FillGradientRect(Canvas& canvas, const GradientVertex& a, const GradientVertex& b, bool horizontal) {
    const std::int64_t left = std::max<std::int64_t>(std::min(a.x, b.x), 0);
    const std::int64_t right = std::min<std::int64_t>(std::max(a.x, b.x), canvas.Width());
    const std::int64_t top = std::max<std::int64_t>(std::min(a.y, b.y), 0);
    const std::int64_t bottom = std::min<std::int64_t>(std::max(a.y, b.y), canvas.Height());
    if (left >= right || top >= bottom) return;
    const Channels ca = ChannelsOf(a);
    const Channels cb = ChannelsOf(b);
    if (horizontal) {
        // One row of colours, copied to every row.
        std::uint32_t* first = canvas.Row(static_cast<int>(top)) + left;
        for (std::int64_t x = left; x < right; ++x)
            first[x - left] = PixelFrom(Interpolate(x, a.x, b.x, ca, cb));
        for (std::int64_t y = top + 1; y < bottom; ++y) {
            std::copy(first, first + (right - left), canvas.Row(static_cast<int>(y)) + left);
        }
    } else {
        for (std::int64_t y = top; y < bottom; ++y) {
            std::uint32_t* row = canvas.Row(static_cast<int>(y));
            std::fill(row + left, row + right, PixelFrom(Interpolate(y, a.y, b.y, ca, cb)));
        }
    }
}

}  // namespace

void Canvas::GradientFill(const GradientVertex* vertices, int vertexCount, const std::uint32_t* indices,
                          int primitiveCount, GradientMode mode) {
    if (vertices == nullptr || indices == nullptr || vertexCount <= 0 || primitiveCount <= 0) return;
    const bool triangles = mode == GradientMode::Triangle;
    if (!triangles && mode != GradientMode::RectHorizontal && mode != GradientMode::RectVertical) return;
    const int perPrimitive = triangles ? 3 : 2;
    // Like the device context, refuse the whole call when any index is out of range.
    const std::size_t indexCount = static_cast<std::size_t>(primitiveCount) * perPrimitive;
    for (std::size_t i = 0; i < indexCount; ++i) {
        if (indices[i] >= static_cast<std::uint32_t>(vertexCount)) return;
    }
    if (pixels_.empty()) return;
    for (std::size_t i = 0; i < indexCount; i += perPrimitive) {
        if (triangles) {
            FillGradientTriangle(*this, &vertices[indices[i]], &vertices[indices[i + 1]],
                                 &vertices[indices[i + 2]]);
        } else {
            FillGradientRect(*this, vertices[indices[i]], vertices[indices[i + 1]],
                             mode == GradientMode::RectHorizontal);
        }
    }
}

}  // namespace quarn
