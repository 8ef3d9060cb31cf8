// CleanMesh welds through a grid of cells; these tests hold it to the plain scan it replaces: for n
// from the last vertex down, the first vertex in ascending order closer than the weld distance is
// removed in favour of n.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/engine_fault.hpp"
#include "scene/scene.hpp"

namespace quarn {
namespace {

class CleanMeshWeldTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetScene();
        InitEngine();
    }
};

// CleanMesh written out step by step with the public single-vertex and single-face operations.
void ReferenceCleanMesh(int mesh) {
    SceneStore& s = Scene();
    const auto first = [&] { return int(s.Meshes[mesh].FirstVertex); };
    const auto last = [&] { return int(RangeLast(s.Meshes[mesh].FirstVertex, s.Meshes[mesh].VertexCount)); };
    const auto lastFace = [&] { return int(RangeLast(s.Meshes[mesh].FirstFace, s.Meshes[mesh].FaceCount)); };
    for (int n = last(); n >= first(); --n) {
        const int end = last();
        for (int i = first(); i <= end; ++i)
            if (i != n && VectorDistance(s.Vertices[i], s.Vertices[n]) < kWeldDistance) {
                RemoveVertex(i, n);
                break;
            }
    }
    for (int b = last(); b >= first(); --b) {
        bool used = false;
        for (int f = s.Meshes[mesh].FirstFace; f <= lastFace(); ++f) used = used || FaceUsesVertex(b, f);
        if (!used) RemoveVertex(b, 0);
    }
    const auto dropFaces = [&](auto doomed) {
        for (int f = lastFace(); f >= s.Meshes[mesh].FirstFace; --f)
            if (doomed(s.Faces[f])) DeleteFace(f);
    };
    dropFaces([&](const FaceRecord& f) {
        for (const int c : {f.VertexA, f.VertexB, f.VertexC})
            if (c < first() || c > last()) return true;
        return false;
    });
    dropFaces([](const FaceRecord& f) {
        return f.VertexA == f.VertexB || f.VertexB == f.VertexC || f.VertexC == f.VertexA;
    });
    dropFaces([](const FaceRecord& f) { return f.VertexA == 0 || f.VertexB == 0 || f.VertexC == 0; });
}

// A mesh made of the given points and faces (corners relative to its first vertex).
Index MakeMesh(const std::vector<Vector3D>& points, const std::vector<std::array<int, 3>>& faces) {
    const Index mesh = CreateMesh(static_cast<int>(points.size()), static_cast<int>(faces.size()));
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (std::size_t k = 0; k < points.size(); ++k) s.Vertices[m.FirstVertex + static_cast<int>(k)] = points[k];
    for (std::size_t k = 0; k < faces.size(); ++k) {
        FaceRecord& f = s.Faces[m.FirstFace + static_cast<int>(k)];
        f.VertexA = static_cast<Index>(m.FirstVertex + faces[k][0]);
        f.VertexB = static_cast<Index>(m.FirstVertex + faces[k][1]);
        f.VertexC = static_cast<Index>(m.FirstVertex + faces[k][2]);
        f.Color = {static_cast<std::int16_t>(k % 256), 0, 0};
        f.Diffuse = static_cast<float>(k);
    }
    return mesh;
}

// The mesh's vertices up to its original length (the freed tail included) and faces, relative to its runs.
struct MeshImage {
    std::vector<Vector3D> vertices;
    std::vector<FaceRecord> faces;
    friend bool operator==(const MeshImage&, const MeshImage&) = default;
};

MeshImage ImageOf(Index mesh, int vertexSlots, int faceSlots) {
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    MeshImage image;
    for (int k = 0; k < vertexSlots; ++k) image.vertices.push_back(s.Vertices[m.FirstVertex + k]);
    for (int k = 0; k < faceSlots; ++k) {
        FaceRecord f = s.Faces[m.FirstFace + k];
        for (Index* c : {&f.VertexA, &f.VertexB, &f.VertexC})
            if (*c != 0) *c = static_cast<Index>(*c - m.FirstVertex);
        image.faces.push_back(f);
    }
    return image;
}

TEST_F(CleanMeshWeldTest, MatchesTheScanOnClustersNearTheWeldDistance) {
    std::mt19937 random(20240611);
    // Offsets around the weld distance, and base points on the edges of the grid's cells.
    const float offsets[] = {0, 0.00002f, 0.00005f, 0.00009f, 0.0000999f, 0.0001f, 0.00011f, 0.0002f, 0.0004f};
    for (int trial = 0; trial < 150; ++trial) {
        DeleteMeshesExcept(0);
        const int bases = 5 + static_cast<int>(random() % 60);
        std::vector<Vector3D> points;
        for (int b = 0; b < bases; ++b) {
            const Vector3D base{0.0004f * static_cast<float>(random() % 7),
                                0.0004f * static_cast<float>(random() % 3), static_cast<float>(random() % 5) - 2.0f};
            const int copies = 1 + static_cast<int>(random() % 5);
            for (int c = 0; c < copies; ++c) {
                Vector3D p = base;
                float* axis[] = {&p.x, &p.y, &p.z};
                *axis[random() % 3] += (random() % 2 ? 1 : -1) * offsets[random() % std::size(offsets)];
                points.push_back(p);
            }
        }
        std::shuffle(points.begin(), points.end(), random);
        std::vector<std::array<int, 3>> faces;
        const int n = static_cast<int>(points.size());
        for (int f = 0; f < 2 * n; ++f)
            faces.push_back({static_cast<int>(random() % n), static_cast<int>(random() % n),
                             static_cast<int>(random() % n)});

        const Index grid = MakeMesh(points, faces);
        const Index scan = MakeMesh(points, faces);
        CleanMesh(grid);
        ReferenceCleanMesh(scan);
        ASSERT_EQ(Scene().Meshes[grid].VertexCount, Scene().Meshes[scan].VertexCount) << "trial " << trial;
        ASSERT_EQ(Scene().Meshes[grid].FaceCount, Scene().Meshes[scan].FaceCount) << "trial " << trial;
        ASSERT_EQ(ImageOf(grid, n, 2 * n), ImageOf(scan, n, 2 * n)) << "trial " << trial;
    }
}

TEST_F(CleanMeshWeldTest, WeldsWithinTheDistanceOnly) {
    // A cube stored as 36 separate corners comes back with its 8 corners and 12 faces.
    const std::array<std::array<float, 3>, 8> corner{
        {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}, {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}}};
    const int cubeFaces[12][3] = {{0, 4, 5}, {0, 5, 1}, {1, 5, 6}, {1, 6, 2}, {2, 6, 7}, {2, 7, 3},
                                  {3, 7, 4}, {3, 4, 0}, {3, 0, 1}, {3, 1, 2}, {4, 7, 6}, {4, 6, 5}};
    std::vector<Vector3D> points;
    std::vector<std::array<int, 3>> faces;
    for (const auto& f : cubeFaces) {
        const int k = static_cast<int>(points.size());
        for (const int c : f) points.push_back({corner[c][0], corner[c][1], corner[c][2]});
        faces.push_back({k, k + 1, k + 2});
    }
    const Index cube = MakeMesh(points, faces);
    CleanMesh(cube);
    EXPECT_EQ(Scene().Meshes[cube].VertexCount, 8);
    EXPECT_EQ(Scene().Meshes[cube].FaceCount, 12);

    const Index near = MakeMesh({{0, 0, 0}, {0.00005f, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 2, 3}, {1, 2, 3}});
    CleanMesh(near);
    EXPECT_EQ(Scene().Meshes[near].VertexCount, 3);
    const Index apart = MakeMesh({{0, 0, 0}, {0.001f, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 2, 3}, {1, 2, 3}});
    CleanMesh(apart);
    EXPECT_EQ(Scene().Meshes[apart].VertexCount, 4);

    // Coordinates far out share clamped cells without welding.
    const Index far = MakeMesh({{3e38f, 0, 0}, {2e38f, 0, 0}, {3e38f, 0, 0}, {0, 1, 0}}, {{0, 1, 3}, {2, 1, 3}});
    CleanMesh(far);
    EXPECT_EQ(Scene().Meshes[far].VertexCount, 3);
    EXPECT_EQ(Scene().Meshes[far].FaceCount, 2);
}

TEST_F(CleanMeshWeldTest, NonFiniteVertexFaultsAsBefore) {
    const Index mesh = MakeMesh({{0, 0, 0}, {std::nanf(""), 0, 0}, {1, 0, 0}}, {{0, 1, 2}});
    EXPECT_THROW(CleanMesh(mesh), ArithmeticError);
}

}  // namespace
}  // namespace quarn
