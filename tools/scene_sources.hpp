#pragma once
// Puts a source into the scene the way the window does: a solid of the solid menu (cleared scene,
// built, centred, one colour with diffuse 0.5), a demonstration surface or chart, or a model file
// opened as the window opens the model named on its command line, or a school solid of a family with
// its parameters ("frustum:n=4,r1=40,r2=20,h=30"), built as the menu builds its solids.

#include <optional>
#include <stdexcept>
#include <string>

#include "geometry/ideal_solids.hpp"
#include "render_options.hpp"
#include "solids/school_solids.hpp"

namespace orrin {

// The source cannot be turned into a scene; the text says why, in one line.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The school solid a source names: a family's name with parameters, or without them when no menu
// solid has that name (which then asks for the parameters). Nothing for other sources; a
// SolidParameterError says what is wrong with the parameters.
std::optional<quarn::SchoolSolid> ParseFamilySource(const std::string& source);

// What the current mesh was built as, when the source was a solid.
struct LoadedSolid {
    std::optional<int> MenuIndex;
    std::optional<quarn::SchoolSolid> Family;
    std::optional<quarn::IdealSolid> Exact;  // the exact solid the mesh stands for
    bool Polyhedral = false;                 // every edge between two faces is an edge of the solid
};

// Builds or loads the source into the scene store; CurrentMesh names the result (0 after a .3ds import).
LoadedSolid LoadSource(const RenderOptions& options);

// The families and their keys, for --help.
std::string FamilyUsage();

}  // namespace orrin
