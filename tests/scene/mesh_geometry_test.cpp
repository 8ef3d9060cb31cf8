#include <gtest/gtest.h>

#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

Index MakeTriangle(Vector3D a, Vector3D b, Vector3D c) {
    const Index m = CreateMesh(3, 1);
    SceneStore& s = Scene();
    const int v = s.Meshes[m].FirstVertex;
    s.Vertices[v] = a;
    s.Vertices[v + 1] = b;
    s.Vertices[v + 2] = c;
    s.Faces[s.Meshes[m].FirstFace] = {static_cast<Index>(v), static_cast<Index>(v + 1), static_cast<Index>(v + 2), {}, 0};
    return m;
}

TEST_F(SceneTest, BoundsCentreAndPivot) {
    const Index m = MakeTriangle({0, 0, 0}, {10, 2, -4}, {4, 8, 6});
    EXPECT_EQ(GetMeshMaxCorner(m), (Vector3D{10, 8, 6}));
    EXPECT_EQ(GetMeshMinCorner(m), (Vector3D{0, 0, -4}));
    EXPECT_EQ(GetMeshCenter(m), (Vector3D{5, 4, 1}));
    CenterMesh(m);
    EXPECT_EQ(GetMeshCenter(m), ZeroVector());
    EXPECT_EQ(mesh(m).Position, ZeroVector());
    SetMeshPivot(m, {1, 1, 1});
    EXPECT_EQ(mesh(m).Position, (Vector3D{1, 1, 1}));
    EXPECT_EQ(store().Vertices[mesh(m).FirstVertex], (Vector3D{-6, -5, -2}));  // same place in the world
    const Index empty = CreateMesh(0, 0);
    EXPECT_EQ(GetMeshCenter(empty), ZeroVector());
    CenterMesh(0);  // no mesh: nothing happens
}

TEST_F(SceneTest, WorldOriginFollowsTheParentChain) {
    const Index parent = MakeTriangle({}, {}, {});
    const Index child = MakeTriangle({}, {}, {});
    mesh(parent).Position = {10, 0, 0};
    mesh(parent).Scale = {2, 2, 2};
    mesh(child).Position = {1, 2, 3};
    mesh(child).Parent = parent;
    EXPECT_EQ(GetMeshWorldOrigin(child), (Vector3D{12, 4, 6}));
    mesh(parent).RotationY = 1.5707964f;  // a quarter turn: +z goes to +x
    const Vector3D turned = GetMeshWorldOrigin(child);
    EXPECT_NEAR(turned.x, 16, 1e-4);
    EXPECT_NEAR(turned.z, -2, 1e-4);
    mesh(parent).Scale = OnesVector();
    mesh(parent).Parent = child;  // a corrupt cycle still ends
    EXPECT_NO_THROW(GetMeshWorldOrigin(child));
}

TEST_F(SceneTest, ColouringNamingAndMembership) {
    const Index a = MakeTriangle({}, {1, 0, 0}, {0, 1, 0});
    const Index b = MakeTriangle({}, {1, 0, 0}, {0, 1, 0});
    mesh(b).Name = "Pyramid";
    SetMeshColor(a, {1, 2, 3}, 0.25f);
    EXPECT_EQ(store().Faces[mesh(a).FirstFace].Color, (ColorRGB16{1, 2, 3}));
    EXPECT_EQ(store().Faces[mesh(b).FirstFace].Diffuse, 0);
    SetAllMeshesColor({255, 255, 255}, 0.5f);
    EXPECT_EQ(store().Faces[mesh(b).FirstFace].Color, (ColorRGB16{255, 255, 255}));
    EXPECT_EQ(store().Faces[mesh(a).FirstFace].Diffuse, 0.5f);
    EXPECT_EQ(FindMeshByName("pyramid"), b);
    EXPECT_EQ(FindMeshByName("PYRAMID"), b);
    EXPECT_EQ(FindMeshByName("cube"), 0);
    EXPECT_TRUE(VertexInMesh(mesh(b).FirstVertex + 2, b));
    EXPECT_FALSE(VertexInMesh(mesh(b).FirstVertex + 3, b));
    EXPECT_TRUE(FaceInMesh(mesh(a).FirstFace, a));
    EXPECT_FALSE(FaceInMesh(mesh(a).FirstFace, b));
    EXPECT_TRUE(FaceUsesVertex(mesh(a).FirstVertex + 1, mesh(a).FirstFace));
    TransformMeshVertices(a, ScaleMatrix({2, 3, 4}));
    EXPECT_EQ(store().Vertices[mesh(a).FirstVertex + 2], (Vector3D{0, 3, 0}));
}

}  // namespace
}  // namespace quarn
