#include <gtest/gtest.h>

#include "math/constants.hpp"
#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::SceneTest;

TEST_F(SceneTest, NewCamerasAndLightsHaveTheirDefaults) {
    ASSERT_EQ(CreateCamera(), 1);
    const CameraRecord& c = store().Cameras[1];
    EXPECT_NEAR(c.TanHalfFov, 0.57735, 5e-6);
    EXPECT_EQ(c.NearClip, 1);
    EXPECT_EQ(c.FarClip, 1600);
    EXPECT_EQ(c.AttenuationFar, 1600);
    EXPECT_TRUE(c.MatrixDirty);
    EXPECT_FALSE(c.Orthographic);
    EXPECT_EQ(c.DrawStyle, 0);
    SetCameraFieldOfView(1, static_cast<float>(kHalfPi));
    EXPECT_FLOAT_EQ(store().Cameras[1].TanHalfFov, 1);

    ASSERT_EQ(CreateLight(), 1);
    const LightRecord& l = store().Lights[1];
    EXPECT_EQ(l.Color, (ColorRGB16{255, 255, 255}));
    EXPECT_EQ(l.FarRange, 1600);
    EXPECT_TRUE(l.Enabled);
    EXPECT_EQ(l.FalloffCos, 0);
}

TEST_F(SceneTest, OrbitPlacesTheCameraLookingAtTheTarget) {
    const Index c = CreateCamera();
    store().Cameras[c].MatrixDirty = false;
    OrbitCamera(c, ZeroVector(), 600, 0, 0);
    EXPECT_EQ(store().Cameras[c].Position, (Vector3D{0, 0, -600}));
    EXPECT_EQ(store().Cameras[c].RotationX, 0);
    EXPECT_EQ(store().Cameras[c].RotationY, 0);
    EXPECT_TRUE(store().Cameras[c].MatrixDirty);
    OrbitCamera(c, {1, 2, 3}, 10, 0.5f, 0.3f);
    const Vector3D toTarget = VectorSubtract({1, 2, 3}, store().Cameras[c].Position);
    const Vector3D view = DirectionFromAngles(store().Cameras[c].Rotation());
    EXPECT_NEAR(VectorCosAngle(toTarget, view), 1, 1e-6);
    EXPECT_NEAR(VectorLength(toTarget), 10, 1e-4);
    EXPECT_EQ(store().Cameras[c].RotationY, -0.5f);
}

TEST_F(SceneTest, DeletingCloseGapsAndIgnoresEmptySlots) {
    for (int i = 0; i < 3; ++i) CreateCamera();
    store().Cameras[3].Name = "third";
    DeleteCamera(2);
    EXPECT_EQ(store().CameraSlots.Count, 2);
    EXPECT_EQ(store().Cameras[2].Name, "third");
    EXPECT_EQ(store().Cameras[3].FarClip, 0);  // zeroed
    DeleteCamera(0);
    DeleteCamera(3);
    EXPECT_EQ(store().CameraSlots.Count, 2);

    CreateLight();
    CreateLight();
    store().Lights[2].Name = "second";
    DeleteLight(1);
    EXPECT_EQ(store().Lights[1].Name, "second");
    EXPECT_EQ(store().Lights[2].FarRange, 0);
}

TEST_F(SceneTest, ClearSceneKeepsTheChosenCameraAndLight) {
    for (int i = 0; i < 3; ++i) CreateMesh(1, 1);
    CreateCamera();
    CreateCamera();
    store().Cameras[2].Name = "keep";
    CreateLight();
    ClearSceneExcept(0, 2, 1);
    EXPECT_EQ(store().MeshSlots.Count, 0);
    EXPECT_EQ(store().CameraSlots.Count, 1);
    EXPECT_EQ(store().Cameras[1].Name, "keep");
    EXPECT_EQ(store().LightSlots.Count, 1);
}

TEST_F(SceneTest, FullLightTableRefusesTheNextLight) {
    for (int i = 0; i < kTableCapacity; ++i) ASSERT_NE(CreateLight(), 0);
    EXPECT_EQ(CreateLight(), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to allocate memory for light!"});
    EXPECT_EQ(store().LightSlots.Count, kTableCapacity);
}

}  // namespace
}  // namespace quarn
