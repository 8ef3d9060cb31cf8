#pragma once
// The painter's order: the draw list sorted by its depth keys, farthest face first.

#include "platform/numeric.hpp"
#include "scene/table.hpp"

namespace quarn {

// Sorts positions lo..hi of both buffers by ascending key with a randomized quicksort; position i of
// keys and items always moves together. Positions outside lo..hi are not touched. Not stable: equal
// keys come out in an order that depends on the random pivots.
void SortFaces(Table<float>& keys, Table<Index>& items, int lo, int hi);

// A position in lo..hi drawn from the program's random generator after reseeding it from the clock.
Index RandomPivot(int lo, int hi);

}  // namespace quarn
