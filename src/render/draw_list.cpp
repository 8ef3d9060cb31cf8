#include "render/draw_list.hpp"

namespace quarn {

void ClearDrawListFrom(int position) {
    Table<Index>& list = Scene().DrawList;
    for (int k = position; k <= kTableCapacity && list[k] != 0; ++k) list[k] = 0;
}

}  // namespace quarn
