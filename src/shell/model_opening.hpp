#pragma once
// Opening model files: the one named on the command line at start-up, and the one chosen in the
// file-open dialog. The kind of file is told by the last three characters of its name, in any case.

#include <string>

#include "math/color.hpp"

namespace orrin {

enum class ModelKind { Native, Studio3ds, Unknown };

ModelKind ModelKindOf(const std::string& path);

// Opens the model the command-line text names: a native model becomes the current mesh, a 3D Studio
// file is imported and painted white; then the current mesh is centred and a frame asked for. Failures
// are reported by the readers; start-up goes on whatever happens.
void OpenCommandLineModel(const std::string& commandLine);

// Asks for a file, clears the scene and opens it (not centred). Cancelling changes nothing.
void OpenModelFile();

// Opens a file chosen by other means (a file dropped on the window) as OpenModelFile does.
void OpenModelPath(const std::string& path);

}  // namespace orrin
