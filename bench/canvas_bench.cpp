// Canvas fill rates in pixels per second, next to a plain memory fill of a buffer of the same size.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/canvas.hpp"

namespace {

using quarn::Canvas;
using quarn::CanvasPoint;

// Every run reports both counters (0 where they do not apply): CSV output needs the same columns in
// every row.
void CountPixels(benchmark::State& state, double pixelsPerIteration) {
    state.counters["pixels"] = benchmark::Counter(
        pixelsPerIteration * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters.try_emplace("triangles", 0);
}

// The yardstick: std::fill over a canvas's own pixel buffer.
void BM_MemoryFill(benchmark::State& state) {
    Canvas canvas(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto count = static_cast<std::size_t>(state.range(0) * state.range(1));
    std::uint32_t value = 0xFF000000u;
    for (auto _ : state) {
        std::fill(canvas.Pixels(), canvas.Pixels() + count, ++value);
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    CountPixels(state, static_cast<double>(count));
}

void BM_Clear(benchmark::State& state) {
    Canvas canvas(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::int32_t colour = 0;
    for (auto _ : state) {
        canvas.SetBackColor(++colour & 0xFFFFFF);
        canvas.Clear();
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    CountPixels(state, static_cast<double>(state.range(0) * state.range(1)));
}

// The view's case: back colour, then the 487 x 365 background picture.
void BM_ClearWithBackground(benchmark::State& state) {
    Canvas canvas(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    canvas.SetBackgroundPicture(std::make_shared<Canvas>(487, 365));
    for (auto _ : state) {
        canvas.Clear();
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    CountPixels(state, static_cast<double>(state.range(0) * state.range(1)));
}

// The upper-left half of the canvas as one triangle, no pen, in raster mode range(2).
void BM_LargeTriangle(benchmark::State& state) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    Canvas canvas(width, height);
    canvas.SetPenStyle(quarn::kPenNone);
    canvas.SetRasterMode(static_cast<int>(state.range(2)));
    const CanvasPoint triangle[] = {{0, 0}, {width, 0}, {0, height}};
    std::int32_t colour = 0;
    for (auto _ : state) {
        canvas.SetBrushColor(++colour & 0xFFFFFF);
        canvas.Polygon(triangle, 3);
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    CountPixels(state, static_cast<double>(width) * height / 2);
}

// The canvas tiled with squares of the given side, each split into two triangles, three corners each.
std::vector<CanvasPoint> TiledTriangles(std::int32_t width, std::int32_t height, std::int32_t side) {
    std::vector<CanvasPoint> corners;
    for (std::int32_t y = 0; y + side <= height; y += side) {
        for (std::int32_t x = 0; x + side <= width; x += side) {
            corners.insert(corners.end(), {{x, y}, {x + side, y}, {x + side, y + side}});
            corners.insert(corners.end(), {{x, y}, {x + side, y + side}, {x, y + side}});
        }
    }
    return corners;
}

// Draws every triangle of the tiling once per iteration, changing the colour set by setColor each time,
// and reports the triangles drawn per second.
void DrawTilingEachIteration(benchmark::State& state, Canvas& canvas, const std::vector<CanvasPoint>& corners,
                             void (Canvas::*setColor)(std::int32_t)) {
    std::int32_t colour = 0;
    for (auto _ : state) {
        (canvas.*setColor)(++colour & 0xFFFFFF);
        for (std::size_t i = 0; i < corners.size(); i += 3) canvas.Polygon(&corners[i], 3);
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    state.counters["triangles"] =
        benchmark::Counter(static_cast<double>(corners.size() / 3) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters.try_emplace("pixels", 0);
}

// The canvas tiled with squares of side range(2), each split into two triangles: every pixel of the
// tiled part is filled once per iteration.
void BM_SmallTriangles(benchmark::State& state) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    const auto side = static_cast<std::int32_t>(state.range(2));
    Canvas canvas(width, height);
    canvas.SetPenStyle(quarn::kPenNone);
    const std::vector<CanvasPoint> corners = TiledTriangles(width, height, side);
    DrawTilingEachIteration(state, canvas, corners, &Canvas::SetBrushColor);
    CountPixels(state, static_cast<double>(corners.size() / 6) * side * side);
}

// Wire outlines of the same tiling (hollow brush, solid pen), as the line-drawing style paints them.
void BM_TriangleOutlines(benchmark::State& state) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    const auto side = static_cast<std::int32_t>(state.range(2));
    Canvas canvas(width, height);
    canvas.SetBrushStyle(quarn::kBrushHollow);
    const std::vector<CanvasPoint> corners = TiledTriangles(width, height, side);
    DrawTilingEachIteration(state, canvas, corners, &Canvas::SetPenColor);
}

// Smooth shading of the upper-left half of the canvas.
void BM_GradientTriangle(benchmark::State& state) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    Canvas canvas(width, height);
    const quarn::GradientVertex vertices[] = {
        {0, 0, 0xFF00, 0, 0, 0}, {width, 0, 0, 0xFF00, 0, 0}, {0, height, 0, 0, 0xFF00, 0}};
    const std::uint32_t triangle[] = {0, 1, 2};
    for (auto _ : state) {
        canvas.GradientFill(vertices, 3, triangle, 1, quarn::GradientMode::Triangle);
        benchmark::DoNotOptimize(canvas.Pixels());
        benchmark::ClobberMemory();
    }
    CountPixels(state, static_cast<double>(width) * height / 2);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({488, 369})->Args({1920, 1080});
}

void SizesAndModes(benchmark::internal::Benchmark* b) {
    for (const int mode : {quarn::kRopCopyPen, quarn::kRopMergePen, quarn::kRopNot}) {
        b->Args({488, 369, mode})->Args({1920, 1080, mode});
    }
    b->ArgNames({"width", "height", "mode"});
}

void SizesAndSides(benchmark::internal::Benchmark* b) {
    for (const int side : {4, 16}) b->Args({488, 369, side})->Args({1920, 1080, side});
    b->ArgNames({"width", "height", "side"});
}

BENCHMARK(BM_MemoryFill)->Apply(Sizes);
BENCHMARK(BM_Clear)->Apply(Sizes);
BENCHMARK(BM_ClearWithBackground)->Apply(Sizes);
BENCHMARK(BM_LargeTriangle)->Apply(SizesAndModes);
BENCHMARK(BM_SmallTriangles)->Apply(SizesAndSides);
BENCHMARK(BM_TriangleOutlines)->Args({488, 369, 16})->ArgNames({"width", "height", "side"});
BENCHMARK(BM_GradientTriangle)->Apply(Sizes);

}  // namespace
