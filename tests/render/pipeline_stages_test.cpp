#include <gtest/gtest.h>

#include <cmath>

#include "math/constants.hpp"
#include "platform/canvas.hpp"
#include "render/face_collection.hpp"
#include "render/projection.hpp"
#include "render/view_transform.hpp"
#include "render/world_transform.hpp"
#include "render_fixture.hpp"

namespace quarn::test {
namespace {

class PipelineStagesTest : public RenderTest {
protected:
    // Stages 1 to 4 for the camera on a 400 x 300 surface.
    void RunStages(int camera) {
        UpdateWorldVertices();
        UpdateViewVertices(camera);
        ProjectVertices(surface, camera);
        CollectVisibleFaces(camera);
    }
    // A camera at the origin looking along +z, so view space is world space.
    Index AxisCamera() {
        const Index camera = CreateCamera();
        return camera;
    }
    // One front-facing triangle (seen from the origin) with the given view-space corners.
    Index Triangle(Vector3D a, Vector3D b, Vector3D c) { return MakeMesh({a, b, c}, {{0, 1, 2}}); }
    const Vector3D& Screen(int mesh, int k) { return Scene().ScreenVertices[Scene().Meshes[mesh].FirstVertex + k]; }
    const Vector3D& World(int mesh, int k) { return Scene().WorldVertices[Scene().Meshes[mesh].FirstVertex + k]; }

    Canvas surface{400, 300};
};

TEST_F(PipelineStagesTest, ChildFollowsAParentMarkedDirty) {
    const Index parent = MakeMesh({{0, 0, 0}}, {});
    const Index child = MakeMesh({{1, 0, 0}}, {});
    Scene().Meshes[child].Parent = parent;
    Scene().Meshes[child].Position = {10, 0, 0};
    Scene().Meshes[parent].Scale = {2, 2, 2};
    UpdateWorldVertices();
    EXPECT_EQ(World(child, 0), (Vector3D{22, 0, 0}));  // local (11, 0, 0), then the parent's scale

    Scene().Meshes[parent].Position = {0, 5, 0};
    Scene().Meshes[parent].MatrixDirty = true;
    ASSERT_FALSE(Scene().Meshes[child].MatrixDirty);
    UpdateWorldVertices();
    EXPECT_EQ(World(child, 0), (Vector3D{22, 5, 0}));
    EXPECT_FALSE(Scene().Meshes[parent].MatrixDirty);
    EXPECT_FALSE(Scene().Meshes[child].MatrixDirty);

    // Without the flag the cached matrix is kept; the vertices are transformed afresh all the same.
    Scene().Meshes[parent].Position = {0, 50, 0};
    Scene().Vertices[Scene().Meshes[child].FirstVertex] = {2, 0, 0};
    UpdateWorldVertices();
    EXPECT_EQ(World(child, 0), (Vector3D{24, 5, 0}));
}

TEST_F(PipelineStagesTest, WorldMatrixScalesThenRotatesThenTranslates) {
    const Index mesh = MakeMesh({{1, 0, 0}}, {});
    MeshRecord& m = Scene().Meshes[mesh];
    m.Scale = {3, 1, 1};
    m.RotationY = static_cast<float>(kHalfPi);  // +x turns toward -z
    m.Position = {0, 0, 7};
    UpdateWorldVertices();
    EXPECT_NEAR(World(mesh, 0).x, 0, 1e-5);
    EXPECT_EQ(World(mesh, 0).y, 0);
    EXPECT_NEAR(World(mesh, 0).z, 4, 1e-5);
}

TEST_F(PipelineStagesTest, ViewSpacePutsTheOrbitTargetOnTheAxis) {
    const Index mesh = MakeMesh({{0, 0, 0}, {0, 10, 0}}, {});
    const Index camera = CreateCamera();
    OrbitCamera(camera, ZeroVector(), 200, 0.7f, -0.4f);
    UpdateWorldVertices();
    UpdateViewVertices(camera);
    const Vector3D origin = Scene().ViewVertices[Scene().Meshes[mesh].FirstVertex];
    EXPECT_NEAR(origin.x, 0, 1e-3);
    EXPECT_NEAR(origin.y, 0, 1e-3);
    EXPECT_NEAR(origin.z, 200, 1e-3);
    EXPECT_FALSE(Scene().Cameras[camera].MatrixDirty);
    const Vector3D up = Scene().ViewVertices[Scene().Meshes[mesh].FirstVertex + 1];
    EXPECT_GT(up.y, 9);  // camera y is up

    // Moving the camera without marking it dirty keeps the cached view.
    Scene().Cameras[camera].Position = {0, 0, 0};
    UpdateViewVertices(camera);
    EXPECT_NEAR(Scene().ViewVertices[Scene().Meshes[mesh].FirstVertex].z, 200, 1e-3);
}

TEST_F(PipelineStagesTest, ProjectionCentresTheAxisAndPutsTheFieldEdgeAtTheLongerHalf) {
    const Index camera = AxisCamera();
    const float t = Scene().Cameras[camera].TanHalfFov;
    const Index mesh = MakeMesh({{0, 0, 50}, {50 * t, 0, 50}, {0, 50 * t, 50}, {5, 5, 0}}, {});
    const Index hidden = MakeMesh({{0, 0, 50}}, {});
    Scene().Meshes[hidden].Visible = false;
    Scene().ScreenVertices[Scene().Meshes[mesh].FirstVertex + 3] = {-7, -7, -7};
    RunStages(camera);
    EXPECT_FLOAT_EQ(Screen(mesh, 0).x, 200);
    EXPECT_FLOAT_EQ(Screen(mesh, 0).y, 150);
    EXPECT_NEAR(Screen(mesh, 1).x, 400, 1e-3);  // 200 pixels right of the centre on a 400 x 300 view
    EXPECT_NEAR(Screen(mesh, 2).y, -50, 1e-3);   // and 200 up, past the top edge
    EXPECT_EQ(Screen(mesh, 3), (Vector3D{-7, -7, -7}));  // w = 0 on the camera plane: entry kept
    EXPECT_EQ(Screen(hidden, 0), (Vector3D{}));             // invisible meshes are not projected

    Scene().Cameras[camera].Orthographic = true;
    Scene().Cameras[camera].OrthoScale = 2;
    Scene().Cameras[camera].FarClip = 1025;
    RunStages(camera);
    EXPECT_EQ(Screen(mesh, 0), (Vector3D{200, 150, 49.0f / 1024}));
    EXPECT_EQ(Screen(mesh, 3), (Vector3D{210, 140, -1.0f / 1024}));
}

TEST_F(PipelineStagesTest, BadClipDistancesLeaveTheScreenAsItWas) {
    const Index camera = AxisCamera();
    const Index mesh = Triangle({0, 0, 50}, {0, 10, 50}, {10, 0, 50});
    RunStages(camera);
    const Vector3D before = Screen(mesh, 0);
    Scene().Vertices[Scene().Meshes[mesh].FirstVertex] = {-5, -5, 60};
    for (const float nearClip : {0.0f, -1.0f, 1600.0f}) {
        Scene().Cameras[camera].NearClip = nearClip;
        ui.messages.clear();
        RunStages(camera);
        EXPECT_EQ(Screen(mesh, 0), before);
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Bad camera settings!"});
    }
    EXPECT_EQ(BuildProjectionMatrix(1, 2, 2, 200, 200, 200, 150, true, 1), ZeroMatrix());
}

TEST_F(PipelineStagesTest, FacesTouchingTheNearFarOrSidePlanesAreClipped) {
    const Index camera = AxisCamera();
    const float t = Scene().Cameras[camera].TanHalfFov;
    const Index inside = Triangle({0, 0, 50}, {0, 10, 50}, {10, 0, 50});
    const Index onNear = Triangle({0, 0, 1}, {0, 10, 50}, {10, 0, 50});
    const Index onSide = Triangle({0, 0, 50}, {0, 10, 50}, {100 * t, 0, 100});
    RunStages(camera);
    ASSERT_EQ(Screen(onNear, 0).z, 0);
    EXPECT_EQ(DrawListLength(), 1);
    EXPECT_EQ(Scene().DrawList[0], Scene().Meshes[inside].FirstFace);

    // A parallel projection has no side planes; with the far plane at 1025 a corner at z = 1025 has
    // depth exactly 1.
    Scene().Cameras[camera].Orthographic = true;
    Scene().Cameras[camera].OrthoScale = 1;
    Scene().Cameras[camera].FarClip = 1025;
    const Index onFar = Triangle({0, 0, 1025}, {0, 10, 50}, {10, 0, 50});
    RunStages(camera);
    ASSERT_EQ(Screen(onFar, 0).z, 1);
    EXPECT_EQ(DrawListLength(), 2);
    for (const int k : {0, 1}) {
        const Index f = Scene().DrawList[k];
        EXPECT_TRUE(f == Scene().Meshes[inside].FirstFace || f == Scene().Meshes[onSide].FirstFace) << f;
    }
}

TEST_F(PipelineStagesTest, BackFacesOnlyForTwoSidedCameras) {
    const Index camera = AxisCamera();
    const Index back = Triangle({0, 0, 50}, {10, 0, 50}, {0, 10, 50});
    RunStages(camera);
    EXPECT_EQ(DrawListLength(), 0);
    Scene().Cameras[camera].TwoSided = true;
    RunStages(camera);
    EXPECT_EQ(DrawListLength(), 1);
    EXPECT_EQ(Scene().DrawList[0], Scene().Meshes[back].FirstFace);
}

TEST_F(PipelineStagesTest, OrthographicCameraKeepsFacesTurnedTowardItsDirection) {
    // Far off to the side, the face turns away from the camera's position but toward its viewing
    // direction, which is what a parallel projection shows.
    const Index camera = CreateCamera();
    CameraRecord& c = Scene().Cameras[camera];
    c.Orthographic = true;
    c.OrthoScale = 1;
    c.Position = {0, 0, -100};
    Triangle({300, 0, 0}, {300, 10, 0}, {310, 0, 10});  // normal (1, 0, -1)
    RunStages(camera);
    EXPECT_EQ(DrawListLength(), 1);
}

TEST_F(PipelineStagesTest, DrawListIsSortedFarFirstAndItsOldTailCleared) {
    const Index camera = AxisCamera();
    std::vector<Index> meshes;
    for (int k = 0; k < 8; ++k) {
        const float z = 100.0f + 10 * ((k * 5) % 8);  // depths in shuffled order
        meshes.push_back(Triangle({0, 0, z}, {0, 10, z}, {10, 0, z}));
    }
    Scene().DrawList[9] = 77;  // something past the terminator that the clearing must not reach
    RunStages(camera);
    ASSERT_EQ(DrawListLength(), 8);
    for (int k = 1; k < 8; ++k) EXPECT_LE(Scene().FaceDepths[k - 1], Scene().FaceDepths[k]);
    EXPECT_EQ(Scene().DrawList[0], Scene().Meshes[meshes[3]].FirstFace);  // z = 170, the farthest
    const float zA = Screen(meshes[3], 0).z, zB = Screen(meshes[3], 1).z, zC = Screen(meshes[3], 2).z;
    EXPECT_EQ(Scene().FaceDepths[0], static_cast<float>(-(double(zB) + zA + zC)));

    for (int k = 5; k < 8; ++k) Scene().Meshes[meshes[k]].Visible = false;
    RunStages(camera);
    EXPECT_EQ(DrawListLength(), 5);
    for (int k = 5; k <= 8; ++k) EXPECT_EQ(Scene().DrawList[k], 0) << k;
    EXPECT_EQ(Scene().DrawList[9], 77);
}

}  // namespace
}  // namespace quarn::test
