#pragma once
// What the worksheet shows: a school solid of a family at any size, one of the solid menu's solids, or
// a model file. Putting a source into the scene replaces every mesh with it, centred, so that the 3D
// view, the sheets and the measures all read the same mesh.

#include <optional>
#include <string>
#include <vector>

#include "drawing/sheet.hpp"
#include "geometry/ideal_solids.hpp"
#include "solids/school_solids.hpp"

namespace orrin {

enum class SourceKind { Family, Preset, Model };

struct SolidSource {
    SourceKind Kind = SourceKind::Family;
    quarn::SchoolSolid Family;  // for Family
    int MenuIndex = 0;          // for Preset: the solid menu's item index
    std::string ModelPath;      // for Model: a .qrn or .3ds file
};

// What the scene holds after a source was placed.
struct ShownSolid {
    bool Built = false;
    std::optional<quarn::IdealSolid> Exact;  // the exact solid the mesh stands for
    bool Polyhedral = false;                 // every edge between two faces is an edge of the solid
    std::string Title;                       // "frustum:n=4,r1=40,r2=20,h=30", "立方体", "house.qrn"
    std::string Error;                       // why nothing was placed
};

// A family at the sizes a lesson starts from, every parameter set.
quarn::SchoolSolid StartingSolid(quarn::SchoolFamily family);
// The source as it would be after the parameter with this key took the value; the error line, in the
// language given, when the family does not read the key or the value is out of its range.
std::optional<std::string> WithParameter(quarn::SchoolSolid& solid, const std::string& key, double value,
                                         quarn::CaptionLanguage language);

// The menu's solids a teacher picks from: every entry with a caption, in menu order.
struct SolidPreset {
    int MenuIndex = 0;
    std::string Caption;      // as the menu shows it
    std::string EnglishName;  // "hexagonal prism": the menu's English name with spaces for its hyphens
};
std::vector<SolidPreset> SolidPresets();

// Deletes every mesh (camera and light stay), builds or loads the source and centres it. A model the
// readers refuse leaves an empty scene and an Error, in the language given.
ShownSolid PlaceSource(const SolidSource& source, quarn::CaptionLanguage language);

}  // namespace orrin
