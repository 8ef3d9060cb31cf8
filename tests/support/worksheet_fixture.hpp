#pragma once
// Shared set-up for the worksheet's tests: a fresh scene, recorded messages, and a worksheet started
// on it; the files a test writes go into a folder of their own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/random.hpp"
#include "scene/scene.hpp"
#include "support/recording_ui.hpp"
#include "worksheet/worksheet.hpp"

namespace orrin::testing {

class WorksheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        quarn::ResetScene();
        quarn::UseFixedRandomSeed(12345);
        sheet = std::make_unique<Worksheet>();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() / "orrin-worksheet-tests" /
                 (std::string(test->test_suite_name()) + "." + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        sheet.reset();
        quarn::UseClockRandomSeed();
    }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    static std::string ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    quarn::RecordingUi ui;
    std::unique_ptr<Worksheet> sheet;
    std::filesystem::path folder;
};

}  // namespace orrin::testing
