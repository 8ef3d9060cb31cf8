#include "shell/data_files.hpp"

#include <system_error>

namespace orrin {

std::string FindDataFile(const std::filesystem::path& programFolder, std::string_view besideName,
                         std::string_view installedName) {
    // ORRIN_DATA_FROM_BIN is the install's data folder relative to its program folder ("../share/orrin").
    const std::filesystem::path installed =
        (programFolder / ORRIN_DATA_FROM_BIN / installedName).lexically_normal();
    for (const std::filesystem::path& candidate : {programFolder / besideName, installed}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
    }
    return installed.string();
}

std::string FindHelpPage(const std::filesystem::path& programFolder) {
    return FindDataFile(programFolder, "orrin-help.html", "help.html");
}

}  // namespace orrin
