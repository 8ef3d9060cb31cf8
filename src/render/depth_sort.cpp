#include "render/depth_sort.hpp"

#include <utility>

#include "platform/random.hpp"

namespace quarn {
namespace {

class SortRun {
  public:
    SortRun(float* keys, Index* items) : keys_(keys), items_(items) {}

    // Recurses only into the smaller side and loops on the larger one, so the depth stays below
    // log2(n) even when every pivot is the worst; the sides are still sorted smaller first.
    void Sort(int lo, int hi) {
        while (lo < hi) {
            if (hi - lo == 1) {
                if (keys_[lo] > keys_[hi]) Swap(lo, hi);
                return;
            }
            Swap(hi, RandomPivot(lo, hi));
            const int i = Partition(lo, hi);
            if (i - lo < hi - i) {
                Sort(lo, i - 1);
                lo = i + 1;
            } else {
                Sort(i + 1, hi);
                hi = i - 1;
            }
        }
    }

  private:
    // Partitions lo..hi round the key at hi and returns the pivot's final place. Scanning on from where
    // the last swap left off finds the same places as restarting each pass from lo and hi: everything
    // already passed is still on its right side.
    int Partition(int lo, int hi) {
        const float pivot = keys_[hi];
        int i = lo, j = hi;
        do {
            while (i < j && keys_[i] <= pivot) ++i;
            while (j > i && keys_[j] >= pivot) --j;
            if (i < j) {
                Swap(i, j);
                ++i;  // the key swapped in is below the pivot; stepping over it also ends a NaN key's loop
            }
        } while (i < j);
        Swap(i, hi);
        return i;
    }

    void Swap(int a, int b) {
        std::swap(keys_[a], keys_[b]);
        std::swap(items_[a], items_[b]);
    }

    float* keys_;
    Index* items_;
};

}  // namespace

void SortFaces(Table<float>& keys, Table<Index>& items, int lo, int hi) {
    if (lo >= hi) return;
    // Both ends checked once: the whole run lies inside both buffers.
    (void)keys[lo];
    (void)keys[hi];
    (void)items[lo];
    (void)items[hi];
    SortRun run(&keys[0], &items[0]);
    run.Sort(lo, hi);
}

Index RandomPivot(int lo, int hi) {
    ReseedRandomFromClock();
    const float r = NextRandom();
    // r * count is never negative, so dropping the fraction is its floor.
    return ToInt16(lo + static_cast<long long>(double(r) * (hi - lo + 1)));
}

}  // namespace quarn
