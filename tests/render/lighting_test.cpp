#include "render/lighting.hpp"

#include <gtest/gtest.h>

#include "render/draw_style_codes.hpp"
#include "render/face_geometry.hpp"
#include "render_fixture.hpp"

namespace quarn::test {
namespace {

// A single triangle in the plane z = 0 facing -z, and a camera; lights are added per test. ShadePoint
// is asked about the origin with the normal (0, 0, -1).
class LightingTest : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        mesh = MakeMesh({{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}, {{0, 1, 2}});
        face = Scene().Meshes[mesh].FirstFace;
        camera = CreateCamera();
        Scene().Cameras[camera].Position = {0, 0, -100};
    }

    Index AddLight(Vector3D position, ColorRGB16 color = {255, 255, 255}) {
        const Index light = CreateLight();
        Scene().Lights[light].Position = position;
        Scene().Lights[light].Color = color;
        return light;
    }

    ColorRGB16 Shade() { return ShadePoint({0, 0, 0}, kNormal, face, camera); }
    FaceRecord& Face() { return Scene().Faces[face]; }
    CameraRecord& Camera() { return Scene().Cameras[camera]; }

    static constexpr Vector3D kNormal{0, 0, -1};
    Index mesh = 0, face = 0, camera = 0;
};

TEST_F(LightingTest, BlendsTheSummedLightIntoTheFaceColourByDiffuse) {
    AddLight({0, 0, -100});
    EXPECT_EQ(Shade(), (ColorRGB16{228, 128, 128}));  // (200, 0, 0) half way to white, ties to even

    Face().Diffuse = 0;
    EXPECT_EQ(Shade(), (ColorRGB16{200, 0, 0}));
    Face().Diffuse = 1;
    EXPECT_EQ(Shade(), (ColorRGB16{255, 255, 255}));
}

TEST_F(LightingTest, LightsBehindOrDisabledGiveNothingAndTheSumSaturates) {
    const Index behind = AddLight({0, 0, 100});
    EXPECT_EQ(Shade(), (ColorRGB16{100, 0, 0}));
    Scene().Lights[behind].Enabled = false;

    // Two lights at 60 degrees: 127.5 rounds to 128 for each light before the sum, 256 is cut to 255.
    Face().Diffuse = 1;
    AddLight({86.6025403784f, 0, -50});
    EXPECT_EQ(Shade(), (ColorRGB16{128, 128, 128}));
    AddLight({-86.6025403784f, 0, -50});
    EXPECT_EQ(Shade(), (ColorRGB16{255, 255, 255}));
}

TEST_F(LightingTest, SpotConeLimitsTheLight) {
    const Index light = AddLight({0, 0, -100});  // its axis (0, 0, 1) points at the origin
    Face().Diffuse = 1;
    LightRecord& spot = Scene().Lights[light];
    spot.HotspotCos = 1;  // the origin lies exactly on the hotspot cosine
    spot.FalloffCos = 0.5f;
    EXPECT_EQ(Shade(), (ColorRGB16{255, 255, 255}));

    spot.RotationY = 1.0f;  // axis turned by about 57 degrees: cosine 0.54, between the cones
    const ColorRGB16 between = Shade();
    EXPECT_GT(between.Red, 0);
    EXPECT_LT(between.Red, 255);

    spot.RotationY = 1.2f;  // about 69 degrees: outside the falloff cone
    EXPECT_EQ(Shade(), (ColorRGB16{0, 0, 0}));
}

TEST_F(LightingTest, ReflectionAddsLightTimesDiffuseWhenItPointsAtTheCamera) {
    AddLight({0, 0, -100}, {100, 100, 100});
    EXPECT_EQ(Shade(), (ColorRGB16{150, 50, 50}));
    Camera().SpecularOn = true;
    EXPECT_EQ(Shade(), (ColorRGB16{175, 75, 75}));  // light scaled by 1 + 0.5 before the blend

    Scene().Lights[1].Position = {0, 0, 100};  // shining on the back: no diffuse, no reflection
    EXPECT_EQ(Shade(), (ColorRGB16{100, 0, 0}));
}

TEST_F(LightingTest, AttenuationFadesTheLightAndTheDistanceToTheDepthCue) {
    const Index light = AddLight({0, 0, -100});
    Scene().Lights[light].NearRange = 0;
    Scene().Lights[light].FarRange = 200;
    Camera().AttenuationOn = true;
    Camera().AttenuationNear = 0;
    Camera().AttenuationFar = 200;
    Camera().DepthCueColor = {0, 0, 255};
    // Light halved to 128 each; blended into the face colour: (164, 64, 64); half way from the cue.
    EXPECT_EQ(Shade(), (ColorRGB16{82, 32, 160}));

    Camera().AttenuationFar = 100;  // the point sits at the end of the camera's range
    EXPECT_EQ(Shade(), (ColorRGB16{0, 0, 255}));
}

TEST_F(LightingTest, FaceColourLightingScalesTheFaceColourItself) {
    Camera().FaceColorLighting = true;
    AddLight({86.6025403784f, 0, -50});  // diffuse cosine 0.5
    EXPECT_EQ(Shade(), (ColorRGB16{100, 0, 0}));
    Camera().SpecularOn = true;  // the mirrored ray is 60 degrees off the camera: light * 0.5 * 0.5 added
    EXPECT_EQ(Shade(), (ColorRGB16{164, 64, 64}));
}

TEST_F(LightingTest, BadSettingsAreReportedOncePerColourPassAndShadingGoesOn) {
    const Index light = AddLight({0, 0, -100});
    Scene().Lights[light].HotspotCos = 0.5f;
    Scene().Lights[light].FalloffCos = 0.5f;  // no width to fade over
    Face().Diffuse = 1;
    EXPECT_EQ(Shade(), (ColorRGB16{255, 255, 255}));  // the spot keeps its cosine, 1
    EXPECT_EQ(Shade(), (ColorRGB16{255, 255, 255}));
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Bad light settings!", "Bad light settings!"}));

    // Forty listed faces shaded in one pass, with bad light and camera ranges as well.
    ui.messages.clear();
    Camera().AttenuationOn = true;
    Camera().AttenuationNear = Camera().AttenuationFar = 50;
    Scene().Lights[light].NearRange = Scene().Lights[light].FarRange = 10;
    Camera().DrawStyle = kStyleFlatShaded;
    const MeshRecord& m = Scene().Meshes[mesh];
    for (int v = 0; v < 3; ++v)
        Scene().WorldVertices[m.FirstVertex + v] = Scene().Vertices[m.FirstVertex + v];
    for (int k = 0; k < 40; ++k) Scene().DrawList[k] = face;
    ShadeFaces(camera);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Bad light settings!", "Bad camera settings!"}));
    EXPECT_EQ(Scene().FaceShades[face], (ColorRGB16{255, 255, 255}));
    for (const RecordedMessage& m : ui.messages) {
        EXPECT_EQ(m.caption, "Error");
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
}

TEST_F(LightingTest, ColourPassFollowsTheDrawStyle) {
    AddLight({0, 0, -100});
    Scene().DrawList[0] = face;
    Scene().FaceShades[face] = {1, 2, 3};
    for (const Index style : {kStyleWireframe, kStyleInvertOutline, Index{9}}) {
        Camera().DrawStyle = style;
        ShadeFaces(camera);
        EXPECT_EQ(Scene().FaceShades[face], (ColorRGB16{1, 2, 3})) << style;
    }
    Camera().DrawStyle = kStyleFlatEdged;
    ShadeFaces(camera);
    EXPECT_EQ(Scene().FaceShades[face], (ColorRGB16{200, 0, 0}));
}

TEST_F(LightingTest, CentroidAndNormalComeFromWorldVertices) {
    const MeshRecord& m = Scene().Meshes[mesh];
    Scene().WorldVertices[m.FirstVertex] = {3, 0, 0};
    Scene().WorldVertices[m.FirstVertex + 1] = {3, 6, 0};
    Scene().WorldVertices[m.FirstVertex + 2] = {6, 0, 3};
    EXPECT_EQ(FaceCentroid(face), (Vector3D{4, 2, 1}));
    EXPECT_EQ(FaceNormal(face), (Vector3D{18, 0, -18}));  // (0, 6, 0) x (3, 0, 3)
}

}  // namespace
}  // namespace quarn::test
