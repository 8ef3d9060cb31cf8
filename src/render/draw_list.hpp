#pragma once
// Walking and trimming the draw list: face indices from position 0 up to the first 0 entry.

#include "scene/scene_store.hpp"

namespace quarn {

// Calls visit(face) for every listed face, back to front.
template <class Visit>
void ForEachListedFace(Visit visit) {
    const Table<Index>& list = Scene().DrawList;
    for (int position = 0; position <= kTableCapacity; ++position) {
        const Index face = list[position];
        if (face == 0) return;
        visit(face);
    }
}

// Sets the entries from position on to 0 until one that is already 0 (which stays) or the end.
// Entries past a 0 are always 0, so this empties the whole tail.
void ClearDrawListFrom(int position);

}  // namespace quarn
