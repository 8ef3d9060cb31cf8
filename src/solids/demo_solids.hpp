#pragma once
// The demonstration surfaces and charts: a rippled grid coloured by height, and the bar, surface and
// pie charts over random data. Each builds one new mesh and returns it, or 0 after an engine error.

#include <optional>
#include <string_view>

#include "platform/numeric.hpp"

namespace quarn {

enum class DemoSolid { RippleSurface, BarChart, SurfaceChart, PieChart };

// By the names "ripple", "bar-chart", "surface-chart" and "pie-chart".
std::optional<DemoSolid> FindDemoSolid(std::string_view name);

// Builds the demonstration; charts draw fresh random values and colours.
Index BuildDemoSolid(DemoSolid demo);

}  // namespace quarn
