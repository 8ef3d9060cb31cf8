#include "solids/charts.hpp"

#include <string>
#include <vector>

#include "math/color.hpp"
#include "math/matrix.hpp"
#include "platform/engine_fault.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "solids/polyhedra.hpp"
#include "solids/prism_family.hpp"
#include "solids/surface_effects.hpp"

namespace quarn {
namespace {

constexpr float kChartDiffuse = 0.5f;

// Collects the pieces of a chart into one mesh. Until Finish, everything built so far is deleted when
// the chart cannot be completed: a piece whose builder failed, a failed merge, or a fault.
class ChartAssembly {
public:
    ChartAssembly() = default;
    ChartAssembly(const ChartAssembly&) = delete;
    ChartAssembly& operator=(const ChartAssembly&) = delete;
    ~ChartAssembly() {
        try {
            Discard();
        } catch (...) {
            // Deleting existing meshes does not fault; a destructor must not throw either way.
        }
    }

    // Takes a newly built piece (0 when its builder failed), lets prepare(piece) place and colour it,
    // then merges it into the chart. False when the chart has been abandoned.
    template <class Prepare>
    bool Add(Index piece, Prepare prepare) {
        if (piece == 0) {
            Discard();
            return false;
        }
        piece_ = piece;
        prepare(piece_);
        const Index merged = whole_ == 0 ? piece_ : MergeMeshes(piece_, whole_);
        if (merged == 0) {
            Discard();
            return false;
        }
        whole_ = merged;
        piece_ = 0;
        return true;
    }

    // Centres the chart and hands it over.
    Index Finish() {
        CenterMesh(whole_);
        const Index whole = whole_;
        whole_ = 0;
        return whole;
    }

private:
    void Discard() {
        // The piece was created after the chart so far: deleting it first keeps whole_ valid.
        if (piece_ != 0) DeleteMesh(piece_);
        if (whole_ != 0) DeleteMesh(whole_);
        piece_ = whole_ = 0;
    }

    Index piece_ = 0;
    Index whole_ = 0;
};

void RequireEntries(std::size_t available, int needed, const char* what) {
    if (available < static_cast<std::size_t>(needed))
        throw IndexRangeError("The chart needs " + std::to_string(needed) + " " + what + " but was given " +
                              std::to_string(available));
}

// Value count of a grid chart; its lattice steps divide by columns - 1 and rows - 1.
int GridCells(Index columns, Index rows) {
    if (columns < 2 || rows < 2)
        throw ArithmeticError("A grid chart needs at least two rows and two columns");
    return columns * rows;
}

// values[k] / max * height for the first count values, max being the greatest of 0 and all of them;
// ArithmeticError when no value is above 0.
std::vector<float> ScaledHeights(std::span<const float> values, int count, float height) {
    double max = 0;
    for (int k = 0; k < count; ++k)
        if (values[static_cast<std::size_t>(k)] > max) max = values[static_cast<std::size_t>(k)];
    std::vector<float> heights;
    heights.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        heights.push_back(StoreFloat(CheckedDivide(values[static_cast<std::size_t>(k)], max) * height));
    return heights;
}

// Position of lattice point index (from 0) of count points spread over length.
float LatticeStep(int index, int count, float length) {
    return StoreFloat(CheckedDivide(double(index) * length, count - 1));
}

}  // namespace

Index CreateBarChart(Index columns, Index rows, const Vector3D& size, float barWidth, std::span<const float> values,
                     std::span<const std::int32_t> colors) {
    const int count = GridCells(columns, rows);
    RequireEntries(values.size(), count, "values");
    RequireEntries(colors.size(), count, "colours");
    const std::vector<float> heights = ScaledHeights(values, count, size.y);
    ChartAssembly chart;
    for (int k = 0; k < count; ++k) {
        const Vector3D corner{LatticeStep(k % columns, columns, size.x), 0, LatticeStep(k / columns, rows, size.z)};
        const Index bar = CreateBox({barWidth, heights[static_cast<std::size_t>(k)], barWidth});
        const bool added = chart.Add(bar, [&](Index piece) {
            TransformMeshVertices(piece, TranslationMatrix(corner));
            SetMeshColor(piece, ColorFromRGB(colors[static_cast<std::size_t>(k)]), kChartDiffuse);
        });
        if (!added) return 0;
    }
    return chart.Finish();
}

Index CreateSurfaceChart(Index columns, Index rows, const Vector3D& size, std::span<const float> values,
                         std::int32_t colorLow, std::int32_t colorHigh, std::int16_t twoSided) {
    const int count = GridCells(columns, rows);
    RequireEntries(values.size(), count, "values");
    const std::vector<float> heights = ScaledHeights(values, count, size.y);
    ChartAssembly chart;
    const Index grid = CreateGridPlane(size.x, size.z, static_cast<Index>(columns - 1), static_cast<Index>(rows - 1),
                                       twoSided);
    const bool added = chart.Add(grid, [&](Index piece) {
        SceneStore& s = Scene();
        const MeshRecord& m = s.Meshes[piece];
        // One grid vertex per value, in row order, as long as welding merged none of them.
        if (m.VertexCount != count)
            throw ArithmeticError("The chart's grid is too small to keep its points apart");
        for (int k = 0; k < count; ++k) s.Vertices[m.FirstVertex + k].y = heights[static_cast<std::size_t>(k)];
        ApplyAxisGradient(piece, 2, ColorFromRGB(colorLow), ColorFromRGB(colorHigh), kChartDiffuse);
    });
    return added ? chart.Finish() : 0;
}

Index CreatePieChart(float radius, float height, Index segments, std::span<const float> values,
                     std::span<const std::int32_t> colors) {
    RequireEntries(colors.size(), static_cast<int>(values.size()), "colours");
    float total = 0;
    for (const float v : values) total = StoreFloat(double(total) + v);
    if (total == 0) throw ArithmeticError("Division by zero: the pie's values sum to 0");
    // Every piece's angles are worked out before the first piece is built.
    std::vector<float> ends;
    float end = 0;
    for (const float v : values) {
        end = StoreFloat(double(end) + StoreFloat(double(StoreFloat(CheckedDivide(v, total))) * 360));
        ends.push_back(end);
    }
    ChartAssembly chart;
    float start = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const Index piece = CreateCylinderSector(radius, height, start, ends[i], segments);
        const bool added = chart.Add(piece, [&](Index p) {
            SetMeshColor(p, ColorFromRGB(colors[i]), kChartDiffuse);
        });
        if (!added) return 0;
        start = ends[i];
    }
    return chart.Finish();
}

}  // namespace quarn
