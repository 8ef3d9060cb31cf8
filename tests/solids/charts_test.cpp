// Charts and annotation marks.

#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "platform/engine_fault.hpp"
#include "solids/annotation_marks.hpp"
#include "solids/charts.hpp"
#include "solids_test_support.hpp"

namespace quarn::testing {
namespace {

class ChartsTest : public SolidsTest {};

std::vector<std::int32_t> DistinctColors(int n) {
    std::vector<std::int32_t> colors;
    for (int k = 0; k < n; ++k) colors.push_back(0x010203 * (k + 1));
    return colors;
}

// Faces of the mesh grouped by colour, as lists of their corner points.
std::map<std::int32_t, std::vector<Vector3D>> CornersByColor(Index mesh) {
    std::map<std::int32_t, std::vector<Vector3D>> groups;
    const MeshRecord& m = MeshOf(mesh);
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = Scene().Faces[f];
        for (const int v : {face.VertexA, face.VertexB, face.VertexC})
            groups[ColorToRGB(face.Color)].push_back(Scene().Vertices[v]);
    }
    return groups;
}

TEST_F(ChartsTest, BarChartStandsOneBoxPerValueOnTheLattice) {
    const std::vector<float> values(18, 0.5f);
    const std::vector<std::int32_t> colors = DistinctColors(18);
    const Index chart = CreateBarChart(6, 3, {80, 40, 40}, 5, values, colors);
    ASSERT_EQ(chart, 1);
    EXPECT_EQ(MeshCount(), 1);
    EXPECT_EQ(MeshOf(chart).VertexCount, 144);
    EXPECT_EQ(MeshOf(chart).FaceCount, 216);
    // Lattice 0..80 by 0..40 plus one bar width, centred.
    EXPECT_EQ(GetMeshMinCorner(chart), (Vector3D{-42.5f, -20, -22.5f}));
    EXPECT_EQ(GetMeshMaxCorner(chart), (Vector3D{42.5f, 20, 22.5f}));
    const auto groups = CornersByColor(chart);
    ASSERT_EQ(groups.size(), 18u);
    // Bar k (from 0) stands at column k % 6 (x steps of 16) and row k / 6 (z steps of 20).
    for (int k = 0; k < 18; ++k) {
        const std::vector<Vector3D>& corners = groups.at(colors[static_cast<std::size_t>(k)]);
        EXPECT_EQ(corners.size(), 36u);
        float minX = corners[0].x, minZ = corners[0].z;
        for (const Vector3D& p : corners) minX = std::min(minX, p.x), minZ = std::min(minZ, p.z);
        EXPECT_FLOAT_EQ(minX, -42.5f + 16 * (k % 6)) << "bar " << k;
        EXPECT_FLOAT_EQ(minZ, -22.5f + 20 * (k / 6)) << "bar " << k;
    }
}

TEST_F(ChartsTest, TallestBarIsTheLargestValue) {
    std::vector<float> values(18, 0.25f);
    values[6] = 0.75f;  // row 2, column 1
    const std::vector<std::int32_t> colors = DistinctColors(18);
    const Index chart = CreateBarChart(6, 3, {80, 40, 40}, 5, values, colors);
    ASSERT_NE(chart, 0);
    for (const auto& [color, corners] : CornersByColor(chart)) {
        float low = corners[0].y, high = corners[0].y;
        for (const Vector3D& p : corners) low = std::min(low, p.y), high = std::max(high, p.y);
        EXPECT_FLOAT_EQ(high - low, color == colors[6] ? 40 : 40.0f / 3);
    }
}

TEST_F(ChartsTest, SurfaceChartRisesToItsValuesColouredByHeight) {
    std::vector<float> values(25);
    for (int k = 0; k < 25; ++k) values[static_cast<std::size_t>(k)] = static_cast<float>((k * 7) % 25) / 24;
    const Index chart = CreateSurfaceChart(5, 5, {80, 40, 80}, values, 0xFF0000, 0x0000FF, 0);
    ASSERT_EQ(chart, 1);
    EXPECT_EQ(MeshOf(chart).VertexCount, 25);
    EXPECT_EQ(MeshOf(chart).FaceCount, 32);
    // Heights follow the values in row order, the largest 40 above the lowest (centring moves both).
    for (int k = 0; k < 25; ++k)
        EXPECT_NEAR(VertexOf(chart, k).y, values[static_cast<std::size_t>(k)] * 40 - 20, 1e-4) << "vertex " << k;
    const MeshRecord& m = MeshOf(chart);
    for (int k = 0; k < m.FaceCount; ++k) {
        const FaceRecord& face = Scene().Faces[m.FirstFace + k];
        const double rise = (FaceCentroid(chart, k)[1] + 20) / 40;  // 0 at the lowest, 1 at the highest
        EXPECT_EQ(face.Color.Green, 0);
        EXPECT_NEAR(face.Color.Red, 255 * rise, 1.01) << "face " << k;
        EXPECT_EQ(face.Color.Red + face.Color.Blue, 255);
    }
}

TEST_F(ChartsTest, PieOfEqualValuesIsCutInQuarters) {
    const std::vector<float> values{1, 1, 1, 1};
    const std::vector<std::int32_t> colors = DistinctColors(4);
    const Index pie = CreatePieChart(40, 10, 16, values, colors);
    ASSERT_EQ(pie, 1);
    EXPECT_EQ(MeshCount(), 1);
    // Four pieces of 12 vertices; the two cuts at 0 degrees stay open, the three inner walls are doubled.
    EXPECT_EQ(MeshOf(pie).VertexCount, 48);
    EXPECT_EQ(MeshOf(pie).FaceCount, 18 + 20 + 20 + 18);
    const auto groups = CornersByColor(pie);
    ASSERT_EQ(groups.size(), 4u);
    for (int q = 0; q < 4; ++q) {
        // The piece's rim spans exactly its quarter: from q * 90 to (q + 1) * 90 degrees.
        double lowest = 360, highest = 0;
        for (const Vector3D& p : groups.at(colors[static_cast<std::size_t>(q)])) {
            if (std::hypot(p.x, p.z) < 1) continue;  // the axis
            double degrees = std::atan2(p.x, p.z) * 180 / 3.141592653589793;
            if (degrees < -1e-3 || (q == 3 && degrees < 1e-3)) degrees += 360;
            lowest = std::min(lowest, degrees);
            highest = std::max(highest, degrees);
        }
        EXPECT_NEAR(lowest, 90 * q, 1e-3) << "piece " << q;
        EXPECT_NEAR(highest, 90 * (q + 1), 1e-3) << "piece " << q;
    }
}

TEST_F(ChartsTest, ImpossibleDataFailsBeforeAnyMesh) {
    const std::vector<std::int32_t> colors = DistinctColors(25);
    const std::vector<float> zeros(25, 0.0f), negatives(25, -1.0f), ones(25, 1.0f);
    EXPECT_THROW(CreateBarChart(6, 3, {80, 40, 40}, 5, zeros, colors), ArithmeticError);
    EXPECT_THROW(CreateBarChart(6, 3, {80, 40, 40}, 5, negatives, colors), ArithmeticError);
    EXPECT_THROW(CreateSurfaceChart(5, 5, {80, 40, 80}, zeros, 0, 0xFF, 0), ArithmeticError);
    EXPECT_THROW(CreateBarChart(6, 1, {80, 40, 40}, 5, ones, colors), ArithmeticError);
    EXPECT_THROW(CreateSurfaceChart(1, 5, {80, 40, 80}, ones, 0, 0xFF, 0), ArithmeticError);
    EXPECT_THROW(CreatePieChart(40, 10, 16, std::vector<float>{1, -1}, colors), ArithmeticError);
    EXPECT_THROW(CreatePieChart(40, 10, 16, std::vector<float>{}, colors), ArithmeticError);
    const std::vector<float> withNaN{1, std::nanf(""), 1, 1};
    EXPECT_THROW(CreateBarChart(2, 2, {80, 40, 40}, 5, withNaN, colors), ArithmeticError);
    // A grid so narrow that welding merges its points cannot carry one height per value.
    EXPECT_THROW(CreateSurfaceChart(5, 5, {0, 40, 80}, ones, 0, 0xFF, 0), ArithmeticError);
    EXPECT_EQ(MeshCount(), 0) << "no flat grid or half chart is left behind";
}

TEST_F(ChartsTest, ShortArraysAreRefusedBeforeAnyMesh) {
    const std::vector<float> values(17, 1.0f);
    const std::vector<std::int32_t> colors = DistinctColors(18);
    EXPECT_THROW(CreateBarChart(6, 3, {80, 40, 40}, 5, values, colors), IndexRangeError);
    EXPECT_THROW(CreateBarChart(6, 3, {80, 40, 40}, 5, std::vector<float>(18, 1.0f),
                                std::span(colors).first(17)),
                 IndexRangeError);
    EXPECT_THROW(CreateSurfaceChart(5, 5, {80, 40, 80}, values, 0, 0xFF, 0), IndexRangeError);
    EXPECT_THROW(CreatePieChart(40, 10, 16, std::vector<float>{1, 1, 1}, std::span(colors).first(2)),
                 IndexRangeError);
    EXPECT_EQ(MeshCount(), 0);
}

TEST_F(ChartsTest, ChartThatRunsOutOfRoomLeavesNothingBehind) {
    // Over many fill levels a chart either completes or fails cleanly: a piece or a merge that cannot
    // be allocated deletes every piece already built.
    const std::vector<float> values(18, 1.0f);
    const std::vector<std::int32_t> colors = DistinctColors(18);
    int completed = 0, failed = 0;
    for (int free = 20; free <= 400; free += 7) {
        for (const bool pie : {false, true}) {
            DeleteMeshesExcept(0);
            ui.messages.clear();
            OccupySlotsUpTo(10000 - free, 10000 - free);
            const Index chart = pie ? CreatePieChart(40, 10, 16, std::span(values).first(4), colors)
                                    : CreateBarChart(6, 3, {80, 40, 40}, 5, values, colors);
            if (chart != 0) {
                ++completed;
                EXPECT_EQ(MeshCount(), 2);
                EXPECT_EQ(MeshOf(chart).VertexCount, pie ? 48 : 144);
                continue;
            }
            ++failed;
            EXPECT_EQ(MeshCount(), 1) << "free slots " << free << (pie ? " (pie)" : " (bars)");
            EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kMeshAllocationMessage});
        }
    }
    EXPECT_GT(completed, 0);
    EXPECT_GT(failed, 0);
}

TEST_F(ChartsTest, MarksHoldTheirPointsAndOneEmptyFace) {
    const Index label = CreateTextLabel("3D", {1, 2, 3});
    ASSERT_NE(label, 0);
    EXPECT_EQ(MeshOf(label).VertexCount, 1);
    EXPECT_EQ(MeshOf(label).FaceCount, 1);
    EXPECT_EQ(VertexOf(label, 0), (Vector3D{1, 2, 3}));
    EXPECT_EQ(MeshOf(label).Name, "3D");
    const FaceRecord& face = Scene().Faces[MeshOf(label).FirstFace];
    EXPECT_EQ(face.VertexA, 0);
    EXPECT_EQ(face.VertexB, 0);
    EXPECT_EQ(face.VertexC, 0);

    const Index curve = CreateBezierCurve({1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0});
    EXPECT_EQ(VerticesOf(curve), (std::vector<Vector3D>{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}));
    const Index line = CreateLineSegment({5, 6, 7}, {8, 9, 10});
    EXPECT_EQ(VerticesOf(line), (std::vector<Vector3D>{{5, 6, 7}, {8, 9, 10}}));
    const Index point = CreatePointMarker({-1, -2, -3});
    EXPECT_EQ(VerticesOf(point), (std::vector<Vector3D>{{-1, -2, -3}}));
    EXPECT_EQ(MeshCount(), 4);

    OccupySlotsUpTo(10000, 10000);
    EXPECT_EQ(CreatePointMarker({0, 0, 0}), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kMeshAllocationMessage});
}

}  // namespace
}  // namespace quarn::testing
