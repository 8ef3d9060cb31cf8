#pragma once
// A window after start-up, laid out at its designed client size and with its frame loop running,
// with engine messages recorded, a fixed random seed and a clock that moves on at every reading.

#include <gtest/gtest.h>

#include <vector>

#include "platform/random.hpp"
#include "support/recording_ui.hpp"
#include "scene/scene.hpp"
#include "shell/shell.hpp"

namespace orrin::testing {

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetShell();
        quarn::UseFixedRandomSeed(2024);
        Shell().Clock = [this] { return clockSeconds += 1; };
    }
    void TearDown() override {
        quarn::UseClockRandomSeed();
        ResetShell();
    }

    // Form_Load with the command line, the first layout and the first activation.
    void StartWindow(const std::string& commandLine = "") {
        Form_Load(commandLine);
        Form_Resize(kStartClientWidth, kStartClientHeight);
        Form_Activate();
    }
    // The frame the loop would draw now, if it would draw one.
    bool RunFrameIfWanted() {
        if (!FrameWanted()) return false;
        FrameStep();
        return true;
    }
    quarn::SceneStore& store() { return quarn::Scene(); }
    ShellState& shell() { return Shell(); }
    MainForm& form() { return Form1(); }
    quarn::Canvas& view() { return Form1().Picture1.Image; }
    std::vector<std::uint32_t> ViewPixels() {
        return {view().Pixels(), view().Pixels() + view().Width() * view().Height()};
    }

    quarn::RecordingUi ui;
    float clockSeconds = 1000;
};

}  // namespace orrin::testing
