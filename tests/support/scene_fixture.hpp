#pragma once
// A fresh, initialised scene store for every test, with engine messages recorded.

#include <gtest/gtest.h>

#include "platform/random.hpp"
#include "support/recording_ui.hpp"
#include "scene/scene.hpp"

namespace quarn::testing {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetScene();
        InitEngine();
        UseFixedRandomSeed(12345);
    }
    void TearDown() override { UseClockRandomSeed(); }

    SceneStore& store() { return Scene(); }
    MeshRecord& mesh(int i) { return Scene().Meshes[i]; }

    RecordingUi ui;
};

}  // namespace quarn::testing
