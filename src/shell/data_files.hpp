#pragma once
// Where the programs find the files they ship with (the help page and the like): beside the program in
// the build folder, or in the installed data folder, found from the program's own folder so that an
// installed tree works wherever it lies (under /usr, /usr/local or a folder it was unpacked into).

#include <filesystem>
#include <string>
#include <string_view>

namespace orrin {

// The data file for a program in programFolder: besideName in that folder when it is there (the build
// folder), else installedName in the data folder relative to it. When neither exists, the installed
// place, so that a notice about the missing file names where it belongs.
std::string FindDataFile(const std::filesystem::path& programFolder, std::string_view besideName,
                         std::string_view installedName);

// The help page of the window running from programFolder.
std::string FindHelpPage(const std::filesystem::path& programFolder);

}  // namespace orrin
