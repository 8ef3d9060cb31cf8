#pragma once
// Whole-file reading and replacing. Reading never creates a file; replacing writes a temporary file
// beside the target and renames it over the target only once every byte is on disk, so a failed save
// leaves any earlier file as it was.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quarn {

struct FileReadResult {
    std::vector<std::uint8_t> Bytes;
    std::string Error;  // empty on success, otherwise why the file could not be read
};

FileReadResult ReadWholeFile(const std::string& path);

// Empty on success, otherwise why the file could not be written.
std::string ReplaceWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace quarn
