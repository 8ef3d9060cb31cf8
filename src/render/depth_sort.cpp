#include "render/depth_sort.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/random.hpp"
#include "platform/reference_path.hpp"

namespace quarn {
namespace {

class SortRun {
  public:
    // byBlocks: partitions may classify keys in blocks; only for keys without NaN.
    SortRun(float* keys, Index* items, bool byBlocks) : keys_(keys), items_(items), byBlocks_(byBlocks) {}

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
    // Partitions lo..hi round the key at hi and returns the pivot's final place.
    int Partition(int lo, int hi) {
        const float pivot = keys_[hi];
        if (!byBlocks_ || hi - lo < kMinBlockRun) return FinishPartition(lo, hi, hi, pivot);
        return PartitionByBlocks(lo, hi, pivot);
    }

    // The plain scan, from the state it has after its swaps so far: everything below i and from j on is
    // on its right side. Scanning on from where the last swap left off finds the same places as
    // restarting each pass from lo and hi: everything already passed is still on its right side.
    int FinishPartition(int i, int j, int hi, float pivot) {
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

    // The same swaps as the plain scan, found without a branch per key. Without NaN keys the plain scan
    // swaps the k-th key above the pivot counted from lo with the k-th key below it counted from hi - 1,
    // for as long as the first lies left of the second. Blocks of keys from both ends of the unread
    // middle are classified into lists of such places, and the lists are paired off; every place in a
    // left list lies left of every place in a right list. Once the middle is used up, the plain scan
    // finishes from the last pair swapped, reading only places no swap has touched.
    int PartitionByBlocks(int lo, int hi, float pivot) {
        int above[kBlock], below[kBlock];
        int aboveCount = 0, aboveNext = 0, belowCount = 0, belowNext = 0;
        int left = lo, right = hi - 1;  // the unread middle is left..right
        int i = lo, j = hi;             // the plain scan's state after the swaps so far
        for (;;) {
            if (aboveNext == aboveCount) {
                const int n = RefillSize(right - left + 1, belowNext == belowCount);
                if (n <= 0) break;
                aboveCount = aboveNext = 0;
                for (int t = 0; t < n; ++t) {
                    above[aboveCount] = left + t;
                    aboveCount += !(keys_[left + t] <= pivot);
                }
                left += n;
            }
            if (belowNext == belowCount) {
                const int n = RefillSize(right - left + 1, aboveNext == aboveCount);
                if (n <= 0) break;
                belowCount = belowNext = 0;
                for (int t = 0; t < n; ++t) {
                    below[belowCount] = right - t;
                    belowCount += !(keys_[right - t] >= pivot);
                }
                right -= n;
            }
            const int pairs = std::min(aboveCount - aboveNext, belowCount - belowNext);
            for (int t = 0; t < pairs; ++t) Swap(above[aboveNext + t], below[belowNext + t]);
            if (pairs > 0) {
                i = above[aboveNext + pairs - 1] + 1;
                j = below[belowNext + pairs - 1];
            }
            aboveNext += pairs;
            belowNext += pairs;
        }
        return FinishPartition(i, j, hi, pivot);
    }

    // How many keys of an unread middle of the given size one list takes: half of it while the other
    // list is empty too, so that a short middle feeds both, and never more than a block.
    static int RefillSize(int middle, bool otherEmpty) {
        return std::min(kBlock, otherEmpty ? (middle + 1) / 2 : middle);
    }

    void Swap(int a, int b) {
        std::swap(keys_[a], keys_[b]);
        std::swap(items_[a], items_[b]);
    }

    static constexpr int kBlock = 64;
    static constexpr int kMinBlockRun = 32;

    float* keys_;
    Index* items_;
    bool byBlocks_;
};

}  // namespace

void SortFaces(Table<float>& keys, Table<Index>& items, int lo, int hi) {
    if (lo >= hi) return;
    // Both ends checked once: the whole run lies inside both buffers.
    (void)keys[lo];
    (void)keys[hi];
    (void)items[lo];
    (void)items[hi];
    const float* first = &keys[lo];
    const bool byBlocks = !ReferencePathInUse() &&
                          std::none_of(first, first + (hi - lo + 1), [](float k) { return std::isnan(k); });
    SortRun run(&keys[0], &items[0], byBlocks);
    run.Sort(lo, hi);
}

Index RandomPivot(int lo, int hi) {
    ReseedRandomFromClock();
    const float r = NextRandom();
    // r * count is never negative, so dropping the fraction is its floor.
    return ToInt16(lo + static_cast<long long>(double(r) * (hi - lo + 1)));
}

}  // namespace quarn
