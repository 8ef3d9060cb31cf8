#include "solids/demo_solids.hpp"

#include <cstdint>
#include <vector>

#include "math/color.hpp"
#include "platform/random.hpp"
#include "scene/mesh_geometry.hpp"
#include "solids/charts.hpp"
#include "solids/polyhedra.hpp"
#include "solids/surface_effects.hpp"

namespace quarn {
namespace {

constexpr ColorRGB16 kBlue{0, 0, 255};
constexpr ColorRGB16 kRed{255, 0, 0};

struct ChartData {
    std::vector<float> values;
    std::vector<std::int32_t> colors;
};

// Uniform values in [0, 1) and colours whose components are each round(r * 255).
ChartData RandomChartData(int count) {
    ReseedRandomFromClock();
    ChartData data;
    for (int i = 0; i < count; ++i) {
        data.values.push_back(NextRandom());
        data.colors.push_back(ColorToRGB(RandomColor()));
    }
    return data;
}

Index BuildRippleSurface() {
    const Index mesh = CreateGridPlane(80, 80, 10, 10, 0);
    if (mesh == 0) return 0;
    CenterMesh(mesh);
    ApplyRipple(mesh, 40, 20, 0);
    ApplyAxisGradient(mesh, 2, kBlue, kRed, 0.5f);
    return mesh;
}

}  // namespace

std::optional<DemoSolid> FindDemoSolid(std::string_view name) {
    if (name == "ripple") return DemoSolid::RippleSurface;
    if (name == "bar-chart") return DemoSolid::BarChart;
    if (name == "surface-chart") return DemoSolid::SurfaceChart;
    if (name == "pie-chart") return DemoSolid::PieChart;
    return std::nullopt;
}

Index BuildDemoSolid(DemoSolid demo) {
    switch (demo) {
        case DemoSolid::RippleSurface: return BuildRippleSurface();
        case DemoSolid::BarChart: {
            const ChartData data = RandomChartData(18);
            return CreateBarChart(6, 3, {80, 40, 40}, 5, data.values, data.colors);
        }
        case DemoSolid::SurfaceChart: {
            const ChartData data = RandomChartData(25);
            return CreateSurfaceChart(5, 5, {80, 40, 80}, data.values, 0xFF0000, 0x0000FF, 0);
        }
        case DemoSolid::PieChart: {
            const ChartData data = RandomChartData(4);
            return CreatePieChart(40, 10, 16, data.values, data.colors);
        }
    }
    return 0;
}

}  // namespace quarn
