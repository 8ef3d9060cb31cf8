#include "platform/ui.hpp"

#include <gtest/gtest.h>

#include "support/recording_ui.hpp"

namespace quarn {
namespace {

TEST(UiTest, FiltersSplitIntoDescriptionAndPattern) {
    const auto entries =
        ParseFileFilter("Quarn Files (*.qrn)|*.qrn|3D Studio Files (*.3ds)|*.3ds|All Files (*.*)|*.*");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].description, "3D Studio Files (*.3ds)");
    EXPECT_EQ(entries[1].pattern, "*.3ds");
    EXPECT_EQ(entries[2].pattern, "*.*");
    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_EQ(ParseFileFilter("Odd|*.x|dangling").size(), 1u);
}

TEST(UiTest, RecordingUiInstallsItselfAndAnswersFromQueues) {
    {
        RecordingUi ui;
        EXPECT_EQ(&CurrentUi(), &ui);
        CurrentUi().ShowMessage("hello", "Caption", MessageIcon::Error);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, "Caption");
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);

        EXPECT_EQ(CurrentUi().InputBox("Enter new name:", "Rename", "Box"), std::nullopt);  // cancelled
        ui.inputAnswers.push_back("Cube");
        EXPECT_EQ(CurrentUi().InputBox("Enter new name:", "Rename", "Box"), "Cube");
        EXPECT_FALSE(CurrentUi().OpenFileDialog("A|*.a").has_value());
        ui.dialogAnswers.push_back("/tmp/x.qrn");
        EXPECT_EQ(CurrentUi().SaveFileDialog("A|*.a"), "/tmp/x.qrn");
    }
    EXPECT_NE(dynamic_cast<ConsoleUi*>(&CurrentUi()), nullptr);
}

}  // namespace
}  // namespace quarn
