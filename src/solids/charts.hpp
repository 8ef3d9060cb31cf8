#pragma once
// Charts: a list of numbers turned into one mesh assembled from simple solids. Values are read row by
// row: value k (from 0) stands in row k / columns and column k % columns. Heights are relative to the
// largest value, so at least one value must be above 0. Colours are packed red + green*256 + blue*65536.
//
// A chart fails as a whole: data that makes a height or an angle impossible raises ArithmeticError and
// arrays shorter than the chart needs raise IndexRangeError, both before any mesh is made; a piece or
// a merge that cannot be allocated deletes what was built and returns 0.

#include <cstdint>
#include <span>

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// One box per value, barWidth wide and deep, on a rows x columns lattice spanning size.x by size.z;
// the tallest bar is size.y high. Needs at least two rows and two columns.
Index CreateBarChart(Index columns, Index rows, const Vector3D& size, float barWidth, std::span<const float> values,
                     std::span<const std::int32_t> colors);

// A grid with one vertex per value, raised to its height and coloured by height from colorLow to
// colorHigh. Only twoSided = -1 means true.
Index CreateSurfaceChart(Index columns, Index rows, const Vector3D& size, std::span<const float> values,
                         std::int32_t colorLow, std::int32_t colorHigh, std::int16_t twoSided);

// One cylinder sector per value, its angle proportional to the value's share of the sum.
Index CreatePieChart(float radius, float height, Index segments, std::span<const float> values,
                     std::span<const std::int32_t> colors);

}  // namespace quarn
