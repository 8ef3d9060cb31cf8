// Drawings of several meshes, from the camera, and of meshes that are not proper solids.

#include "drawing/line_drawing.hpp"
#include "support/drawing_fixture.hpp"

namespace quarn::testing {
namespace {

class SceneViewsTest : public DrawingTest {
  protected:
    DrawingView CameraView(float yaw, float pitch, bool orthographic) {
        if (Scene().CurrentCamera == 0) Scene().CurrentCamera = CreateCamera();
        CameraRecord& c = Scene().Cameras[Scene().CurrentCamera];
        c.Orthographic = orthographic;
        OrbitCamera(Scene().CurrentCamera, ZeroVector(), 200, yaw, pitch);
        return MakeCameraView(c);
    }
};

TEST_F(SceneViewsTest, MeshesHideEachOther) {
    // A small cube straight behind the big one, and one beside it.
    const std::vector<SolidMesh> meshes{MenuSolid(0), Moved(MenuSolid(0), 0.5, {0, 0, 60}),
                                        Moved(MenuSolid(0), 0.5, {60, 0, 0})};
    const LineDrawing front = DrawSolidEdges(meshes, MakeTextbookView(ViewKind::Front));
    for (const EdgeRun& r : front.Runs) {
        if (r.Mesh == 1) {
            EXPECT_FALSE(r.Visible) << "behind the big cube";
        }
        if (r.Mesh == 2) {
            EXPECT_TRUE(r.Visible) << "beside it";
        }
    }
    EXPECT_FALSE(EdgesWith(front, false).empty());
    // Obliquely the hidden cube's top right edges rise above the big one: partly visible.
    const LineDrawing oblique = DrawSolidEdges(meshes, MakeTextbookView(ViewKind::Oblique));
    std::set<bool> seen;
    for (const EdgeRun& r : oblique.Runs)
        if (r.Mesh == 1) seen.insert(r.Visible);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(SceneViewsTest, CameraViewsMatchTheFrameCamera) {
    const SolidMesh cube = MenuSolid(0);
    // Parallel from the front: the front view, point for point.
    const LineDrawing parallel = DrawSolidEdges({&cube, 1}, CameraView(0, 0, true));
    const LineDrawing front = DrawSolidEdges({&cube, 1}, MakeTextbookView(ViewKind::Front));
    ASSERT_EQ(parallel.Runs.size(), front.Runs.size());
    for (std::size_t i = 0; i < front.Runs.size(); ++i) {
        EXPECT_NEAR(parallel.Runs[i].From.x, front.Runs[i].From.x, 1e-4);
        EXPECT_NEAR(parallel.Runs[i].From.y, front.Runs[i].From.y, 1e-4);
    }
    // In perspective the back face shows inside the front one: four solid edges, eight dashed.
    const LineDrawing perspective = DrawSolidEdges({&cube, 1}, CameraView(0, 0, false));
    EXPECT_EQ(EdgesWith(perspective, true).size(), 4u);
    EXPECT_EQ(EdgesWith(perspective, false).size(), 8u);
    // Turned and raised, a convex solid shows nine edges and hides three, as in the oblique drawing.
    const LineDrawing turned = DrawSolidEdges({&cube, 1}, CameraView(0.5f, 0.4f, false));
    EXPECT_EQ(EdgesWith(turned, true).size(), 9u);
    EXPECT_EQ(EdgesWith(turned, false).size(), 3u);
    // A camera inside the solid: the edges behind it are cut off, nothing fails.
    Scene().Cameras[Scene().CurrentCamera].Position = {0, 0, 0};
    EXPECT_NO_THROW(DrawSolidEdges({&cube, 1}, MakeCameraView(Scene().Cameras[Scene().CurrentCamera])));
}

TEST_F(SceneViewsTest, OpenEmptyAndDegenerateMeshesStillDraw) {
    // One triangle, a face with no area, a face with a repeated corner and one with a corner outside.
    const SolidMesh sheet{{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {5, 0, 0}},
                          {{0, 1, 2}, {0, 3, 1}, {0, 0, 2}, {0, 1, 9}}};
    const LineDrawing drawing = DrawSolidEdges({&sheet, 1}, MakeTextbookView(ViewKind::Front));
    EXPECT_EQ(EdgesWith(drawing, true).size(), 3u);  // the boundary of the one usable face
    EXPECT_TRUE(EdgesWith(drawing, false).empty());
    EXPECT_NEAR(RunLength(drawing, true), 20 + std::sqrt(200.0), 1e-9);

    const std::vector<SolidMesh> nothing{SolidMesh{}, SolidMesh{{{1, 2, 3}}, {}}};
    const LineDrawing empty = DrawSolidEdges(nothing, MakeTextbookView(ViewKind::Oblique));
    EXPECT_TRUE(empty.Runs.empty());
    EXPECT_TRUE(empty.Extent.Empty());

    // The plane is open: its border is drawn, and from below as from above.
    const SolidMesh plane = MenuSolid(1);
    const LineDrawing below = DrawSolidEdges({&plane, 1}, CameraView(0, -0.6f, false));
    EXPECT_EQ(EdgesWith(below, true).size(), 16u);
}

}  // namespace
}  // namespace quarn::testing
