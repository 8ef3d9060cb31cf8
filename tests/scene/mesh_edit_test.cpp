#include <gtest/gtest.h>

#include <array>

#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

Index MakeMesh(const std::vector<Vector3D>& vertices, const std::vector<std::array<int, 3>>& faces) {
    const Index m = CreateMesh(static_cast<int>(vertices.size()), static_cast<int>(faces.size()));
    SceneStore& s = Scene();
    const int v0 = s.Meshes[m].FirstVertex, f0 = s.Meshes[m].FirstFace;
    for (std::size_t k = 0; k < vertices.size(); ++k) s.Vertices[v0 + static_cast<int>(k)] = vertices[k];
    for (std::size_t k = 0; k < faces.size(); ++k) {
        auto corner = [&](int c) { return static_cast<Index>(c < 0 ? 0 : v0 + c); };
        s.Faces[f0 + static_cast<int>(k)] = {corner(faces[k][0]), corner(faces[k][1]), corner(faces[k][2]),
                                             {static_cast<std::int16_t>(k), 0, 0}, 0.5f};
    }
    return m;
}

// Corners of each face relative to the mesh's first vertex.
std::vector<std::array<int, 3>> RelativeFaces(int m) {
    const SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    std::vector<std::array<int, 3>> faces;
    for (int f = r.FirstFace; f <= RangeLast(r.FirstFace, r.FaceCount); ++f)
        faces.push_back({s.Faces[f].VertexA - r.FirstVertex, s.Faces[f].VertexB - r.FirstVertex,
                         s.Faces[f].VertexC - r.FirstVertex});
    return faces;
}

TEST_F(SceneTest, CleaningACubeOfSeparateCornersWeldsItToEightVertices) {
    const int quads[6][4] = {{0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}, {3, 0, 1, 2}, {4, 7, 6, 5}};
    const Vector3D corners[8] = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}, {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    std::vector<Vector3D> vertices;
    std::vector<std::array<int, 3>> faces;
    for (const auto& q : quads) {
        for (const int tri : {0, 1}) {
            const int a = q[0], b = q[tri == 0 ? 1 : 2], c = q[tri == 0 ? 2 : 3];
            const int base = static_cast<int>(vertices.size());
            vertices.insert(vertices.end(), {corners[a], corners[b], corners[c]});
            faces.push_back({base, base + 1, base + 2});
        }
    }
    const Index m = MakeMesh(vertices, faces);
    CleanMesh(m);
    EXPECT_EQ(mesh(m).VertexCount, 8);
    EXPECT_EQ(mesh(m).FaceCount, 12);
    // Every face still spans three distinct corners of the right positions.
    for (const auto& f : RelativeFaces(m)) {
        ASSERT_NE(f[0], f[1]);
        for (int c : f) ASSERT_TRUE(c >= 0 && c < 8);
    }
    const auto first = RelativeFaces(m)[0];
    EXPECT_EQ(store().Vertices[mesh(m).FirstVertex + first[1]], corners[4]);
    EXPECT_EQ(store().Faces[mesh(m).FirstFace + 11].Color.Red, 11);  // face order and colours survive
}

TEST_F(SceneTest, WeldingStopsAtTheWeldDistance) {
    const Index near = MakeMesh({{0, 0, 0}, {0.00005f, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 2, 3}, {1, 2, 3}});
    CleanMesh(near);
    EXPECT_EQ(mesh(near).VertexCount, 3);
    EXPECT_EQ(mesh(near).FaceCount, 2);  // both faces now use the same three vertices
    const Index far = MakeMesh({{0, 0, 0}, {0.001f, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 2, 3}, {1, 2, 3}});
    CleanMesh(far);
    EXPECT_EQ(mesh(far).VertexCount, 4);
}

TEST_F(SceneTest, ThreeCoincidentVerticesCollapseIntoOne) {
    const Index m = MakeMesh({{5, 5, 5}, {1, 0, 0}, {5, 5, 5}, {0, 1, 0}, {5, 5, 5}},
                             {{0, 1, 3}, {2, 1, 3}, {4, 3, 1}});
    CleanMesh(m);
    EXPECT_EQ(mesh(m).VertexCount, 3);
    EXPECT_EQ(mesh(m).FaceCount, 3);
    for (const auto& f : RelativeFaces(m)) EXPECT_EQ(store().Vertices[mesh(m).FirstVertex + f[0]], (Vector3D{5, 5, 5}));
}

TEST_F(SceneTest, CleaningDropsUnusedVerticesAndBadFaces) {
    const Index m = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {9, 9, 9}, {0, 0, 1}},
                             {{0, 1, 2},     // kept
                              {0, 0, 1},     // two equal corners
                              {0, 1, 40},    // corner outside the mesh
                              {0, 1, -1},    // corner 0
                              {1, 2, 4}});   // kept; vertex 3 is unused and goes
    CleanMesh(m);
    EXPECT_EQ(mesh(m).VertexCount, 4);
    EXPECT_EQ(RelativeFaces(m), (std::vector<std::array<int, 3>>{{0, 1, 2}, {1, 2, 3}}));
    EXPECT_EQ(store().Faces[mesh(m).FirstFace + 1].Color.Red, 4);
    EXPECT_EQ(store().Faces[mesh(m).FirstFace + 2], FaceRecord{});  // vacated slots are zeroed
}

TEST_F(SceneTest, RemoveVertexReplacesOrDeletesUsingFaces) {
    const Index m = MakeMesh({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}, {{0, 1, 2}, {1, 2, 3}, {0, 2, 3}});
    const int v0 = mesh(m).FirstVertex;
    RemoveVertex(v0 + 1, v0 + 3);  // replacement above the removed vertex ends up on the moved vertex
    EXPECT_EQ(mesh(m).VertexCount, 3);
    EXPECT_EQ(RelativeFaces(m), (std::vector<std::array<int, 3>>{{0, 2, 1}, {2, 1, 2}, {0, 1, 2}}));
    RemoveVertex(v0, 0);  // faces using it are deleted
    EXPECT_EQ(RelativeFaces(m), (std::vector<std::array<int, 3>>{{1, 0, 1}}));
    DeleteFace(mesh(m).FirstFace);
    EXPECT_EQ(mesh(m).FaceCount, 0);
    RemoveVertex(9999, 0);  // a vertex no mesh owns changes nothing
    EXPECT_EQ(mesh(m).VertexCount, 2);
}

}  // namespace
}  // namespace quarn
