#pragma once
// The native model file (.qrn): one mesh, little-endian, no header.
//   name        0-terminated Latin-1 text
//   vertexCount i16, then vertexCount x (x, y, z) f32 in the mesh's local space
//   faceCount   i16, then faceCount x (a, b, c i16 counted from the file's first vertex,
//               red, green, blue i16, diffuse f32)
// The mesh's transform, parent and flags are not stored.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/numeric.hpp"

namespace quarn {

// The file's bytes for the mesh, or nothing when its name has no Latin-1 form.
std::optional<std::vector<std::uint8_t>> EncodeModel(int mesh);

// Writes the mesh to path, replacing any file there only once every byte is written. A failure (a name
// a file cannot hold, a path that cannot be written) is reported and leaves any earlier file as it was.
// True when the file was written.
bool SaveModel(int mesh, const std::string& path);

// Reads the mesh in the file at path into the store, welds and cleans it, and moves it into the first
// free runs that fit. Returns the new mesh's index, or 0 after reporting why (a file that cannot be
// read, a damaged file, or "Unable to allocate memory for mesh!"); nothing is then left in the store.
Index LoadModel(const std::string& path);
// The same for a file's bytes; source names them in messages (the path, or empty).
Index LoadModelFromBytes(std::span<const std::uint8_t> bytes, const std::string& source = {});

}  // namespace quarn
