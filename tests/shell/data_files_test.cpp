// The programs find their help page in the build folder (beside the program) and in an installed tree
// (its data folder relative to the program's folder), wherever the tree lies.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/data_files.hpp"

namespace orrin::testing {
namespace {

namespace fs = std::filesystem;

TEST(DataFilesTest, HelpPageIsFoundBesideTheProgramOrInTheInstalledDataFolder) {
    struct Case {
        const char* layout;
        bool beside;     // orrin-help.html beside the program, as the build writes it
        bool installed;  // help.html in the data folder of an installed tree
        const char* expected;
    };
    const Case cases[] = {
        {"build folder", true, false, "bin/orrin-help.html"},
        {"installed tree", false, true, "share/orrin/help.html"},
        {"both: the build's copy wins", true, true, "bin/orrin-help.html"},
        // Nothing there: the installed place, which the "not found" notice then names.
        {"neither", false, false, "share/orrin/help.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const fs::path root = fs::path(ORRIN_TEST_OUTPUT) / "data files" / c.layout;
        fs::remove_all(root);
        const fs::path bin = root / "bin";
        const fs::path data = (bin / ORRIN_DATA_FROM_BIN).lexically_normal();
        fs::create_directories(bin);
        fs::create_directories(data);
        if (c.beside) std::ofstream(bin / "orrin-help.html") << "<html></html>";
        if (c.installed) std::ofstream(data / "help.html") << "<html></html>";
        EXPECT_EQ(FindHelpPage(bin), (root / c.expected).string());
    }
}

}  // namespace
}  // namespace orrin::testing
