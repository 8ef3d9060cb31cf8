// The solid menu, the draw-style menu and what clearing the scene does to the light marker.

#include "solids/solid_menu.hpp"
#include "support/shell_fixture.hpp"

namespace orrin::testing {
namespace {

using namespace quarn;

std::vector<std::string> CheckedItems() {
    std::vector<std::string> checked;
    for (const MenuItem& item : Form1().Menus.Items())
        if (item.Checked && item.Name != "mnuToggleLight")
            checked.push_back(item.Name + std::to_string(item.Index));
    return checked;
}

TEST_F(ShellTest, EachSolidItemBuildsItsSolidAloneWithOnlyItsCheckMark) {
    StartWindow();
    shell().OrbitYaw = 0.7f;
    shell().OrbitDistance = 150;
    int items = 0;
    for (const MenuItem& item : form().Menus.Items()) {
        if (item.Name != "mnuBasicOption") continue;
        ++items;
        ClickMenuItem(item);
        const SolidMenuEntry* entry = FindSolidMenuEntry(item.Index);
        ASSERT_EQ(store().MeshSlots.Count, 1) << entry->EnglishName;
        EXPECT_EQ(store().CurrentMesh, 1);
        EXPECT_EQ(store().Meshes[1].VertexCount, entry->VertexCount) << entry->EnglishName;
        EXPECT_EQ(store().Meshes[1].FaceCount, entry->FaceCount) << entry->EnglishName;
        EXPECT_EQ(CheckedItems(), (std::vector<std::string>{"mnuDrawStyleOption2",
                                                            "mnuBasicOption" + std::to_string(item.Index)}));
        EXPECT_TRUE(store().NeedsRedraw);
        EXPECT_TRUE(RunFrameIfWanted());
    }
    EXPECT_EQ(items, 16);
    EXPECT_EQ(shell().OrbitYaw, 0.7f);
    EXPECT_EQ(shell().OrbitDistance, 150.0f);
}

TEST_F(ShellTest, OnlyTheSolidMenuIsShownWithItsSixSolidsInOrder) {
    std::vector<std::string> shownMenus, shownSolids;
    for (const MenuItem& item : form().Menus.Items()) {
        if (item.Parent.empty() && item.Visible) shownMenus.push_back(item.Caption);
        if (item.Parent == "mnuObject" && item.Visible) shownSolids.push_back(item.Caption);
    }
    EXPECT_EQ(shownMenus, (std::vector<std::string>{"实体"}));
    EXPECT_EQ(shownSolids,
              (std::vector<std::string>{"正方体", "圆锥", "圆柱", "三棱柱", "六棱柱", "六棱锥"}));
    EXPECT_EQ(form().Menus.Find("mnuDrawStyleOption", 0)->Shortcut, "F1");
    EXPECT_EQ(form().Menus.Find("mnuDrawStyleOption", 2)->Shortcut, "F3");
}

TEST_F(ShellTest, DrawStyleCheckMarkFollowsTheCameraStyle) {
    StartWindow();
    mnuDrawStyleOption_Click(0);
    EXPECT_EQ(store().Cameras[store().CurrentCamera].DrawStyle, 0);
    EXPECT_EQ(CheckedItems(), (std::vector<std::string>{"mnuDrawStyleOption0"}));
    mnuDrawStyleOption_Click(2);
    EXPECT_EQ(CheckedItems(), (std::vector<std::string>{"mnuDrawStyleOption2"}));
}

TEST_F(ShellTest, ClearingTheSceneWhileShiftIsHeldForgetsTheLightMarker) {
    StartWindow();
    const std::vector<std::function<void()>> clearings = {[] { mnuBasicOption_Click(0); }, [] { ClearAll(); },
                                                          [] { ChartDemo(0); }, [] { RippleSurface(); }};
    for (const auto& clear : clearings) {
        Picture1_KeyUp(kShiftKey, 0);
        Picture1_KeyDown(kShiftKey, 1);
        ASSERT_NE(shell().LightMarker, 0);
        clear();
        EXPECT_EQ(shell().LightMarker, 0);
        const int meshes = store().MeshSlots.Count;
        Picture1_KeyUp(kShiftKey, 0);  // deletes no other mesh
        EXPECT_EQ(store().MeshSlots.Count, meshes);
    }
    // Held down, the key repeats and builds the marker again behind the new solid.
    mnuBasicOption_Click(4);
    Picture1_KeyDown(kShiftKey, 1);
    EXPECT_EQ(shell().LightMarker, 2);
    Picture1_KeyUp(kShiftKey, 0);
    EXPECT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(store().CurrentMesh, 1);
}

}  // namespace
}  // namespace orrin::testing
