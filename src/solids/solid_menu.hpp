#pragma once
// The solids the program's solid menu builds, by item index: the builder call with its fixed
// arguments, the item's caption, a stable English name for the command line, and the vertex and face
// counts the finished solid has, and the exact solid it stands for. Indices 6 (cylinder sector) and 9 (geodesic sphere) are built by the
// same command but carry no menu item, so their caption is empty.

#include <span>
#include <string_view>

#include "geometry/ideal_solids.hpp"
#include "platform/numeric.hpp"

namespace quarn {

struct SolidMenuEntry {
    int Index;
    std::string_view Caption;      // UTF-8, as the menu shows it
    std::string_view EnglishName;  // lower case, words joined by '-'
    int VertexCount;
    int FaceCount;
    IdealSolid Exact;  // with the builder's fixed dimensions
};

// Every entry in ascending index order.
std::span<const SolidMenuEntry> SolidMenuEntries();

// The entry with this index or English name, or nullptr.
const SolidMenuEntry* FindSolidMenuEntry(int menuIndex);
const SolidMenuEntry* FindSolidMenuEntry(std::string_view englishName);

// Builds the solid of the menu index with its fixed arguments and returns the new mesh (not centred or
// coloured: the caller does that), or 0 when the builder failed or no solid has that index.
Index BuildMenuSolid(int menuIndex);

}  // namespace quarn
