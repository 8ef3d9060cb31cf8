#pragma once
// Importing 3D Studio (.3ds) files: every triangle mesh becomes a mesh, every light a light, every camera
// a camera, and the keyframer's node list links meshes into a parent hierarchy. Imported faces are black
// with a diffuse of 0; the caller colours them.

#include <cstdint>
#include <span>
#include <string>

namespace quarn {

// Imports the file at path, appending what it holds to the store. A file that cannot be read is
// reported; objects too damaged to import are reported together and left out, and the rest is kept.
void Import3ds(const std::string& path);
// The same for a file's bytes; source names them in messages (the path, or empty).
void Import3dsFromBytes(std::span<const std::uint8_t> bytes, const std::string& source = {});

}  // namespace quarn
