#include "render/depth_sort.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/random.hpp"
#include "platform/reference_path.hpp"
#include "render_fixture.hpp"

namespace quarn::test {
namespace {

class DepthSortTest : public RenderTest {
  protected:
    void Fill(const std::vector<float>& keys, const std::vector<Index>& items) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            Scene().FaceDepths[static_cast<int>(k)] = keys[k];
            Scene().DrawList[static_cast<int>(k)] = items[k];
        }
    }
    std::vector<float> Keys(int n) const {
        std::vector<float> out;
        for (int k = 0; k < n; ++k) out.push_back(Scene().FaceDepths[k]);
        return out;
    }
    std::vector<Index> Items(int n) const {
        std::vector<Index> out;
        for (int k = 0; k < n; ++k) out.push_back(Scene().DrawList[k]);
        return out;
    }
};

// The quicksort exactly as first written down: every partition pass restarts from both ends and both
// sides are sorted by plain recursion, smaller first. The production sort must agree with it.
void ReferenceSort(std::vector<float>& keys, std::vector<Index>& items, int lo, int hi) {
    auto swap = [&](int a, int b) {
        std::swap(keys[a], keys[b]);
        std::swap(items[a], items[b]);
    };
    if (lo >= hi) return;
    if (hi - lo == 1) {
        if (keys[lo] > keys[hi]) swap(lo, hi);
        return;
    }
    swap(hi, RandomPivot(lo, hi));
    const float pivot = keys[hi];
    int i, j;
    do {
        i = lo;
        j = hi;
        while (i < j && keys[i] <= pivot) ++i;
        while (j > i && keys[j] >= pivot) --j;
        if (i < j) swap(i, j);
    } while (i < j);
    swap(i, hi);
    if (i - lo < hi - i) {
        ReferenceSort(keys, items, lo, i - 1);
        ReferenceSort(keys, items, i + 1, hi);
    } else {
        ReferenceSort(keys, items, i + 1, hi);
        ReferenceSort(keys, items, lo, i - 1);
    }
}

TEST_F(DepthSortTest, SortsKeysAndCarriesTheirItems) {
    Fill({-3, -1, -2}, {7, 8, 9});
    SortFaces(Scene().FaceDepths, Scene().DrawList, 0, 2);
    EXPECT_EQ(Keys(3), (std::vector<float>{-3, -2, -1}));
    EXPECT_EQ(Items(3), (std::vector<Index>{7, 9, 8}));
}

TEST_F(DepthSortTest, ShortRangesAndPositionsOutsideTheRange) {
    Fill({5, 4, 3, 2}, {1, 2, 3, 4});
    SortFaces(Scene().FaceDepths, Scene().DrawList, 2, 2);   // one element
    SortFaces(Scene().FaceDepths, Scene().DrawList, 0, -1);  // empty
    EXPECT_EQ(Items(4), (std::vector<Index>{1, 2, 3, 4}));

    SortFaces(Scene().FaceDepths, Scene().DrawList, 1, 2);  // two, descending: swapped
    EXPECT_EQ(Items(4), (std::vector<Index>{1, 3, 2, 4}));
    SortFaces(Scene().FaceDepths, Scene().DrawList, 1, 2);  // now ascending: kept
    EXPECT_EQ(Items(4), (std::vector<Index>{1, 3, 2, 4}));

    Fill({1, 1}, {5, 6});  // equal pair: kept
    SortFaces(Scene().FaceDepths, Scene().DrawList, 0, 1);
    EXPECT_EQ(Items(2), (std::vector<Index>{5, 6}));
}

TEST_F(DepthSortTest, AgreesWithTheRestartingQuicksortOnRandomInput) {
    for (int round = 0; round < 60; ++round) {
        const int n = 2 + round * 17;
        const int distinct = 1 + round % 7 * (round % 3 == 0 ? 1 : 40);  // many ties in some rounds
        std::vector<float> keys;
        std::vector<Index> items;
        for (int k = 0; k < n; ++k) {
            keys.push_back(-static_cast<float>(static_cast<int>(NextRandom() * distinct)) / 8);
            items.push_back(static_cast<Index>(k + 1));
        }
        Fill(keys, items);
        keys.push_back(99);  // a position past hi that neither sort may touch
        items.push_back(0);
        Scene().FaceDepths[n] = 99;
        Scene().DrawList[n] = 0;

        UseFixedRandomSeed(1000 + round);
        ReferenceSort(keys, items, 0, n - 1);
        UseFixedRandomSeed(1000 + round);
        SortFaces(Scene().FaceDepths, Scene().DrawList, 0, n - 1);

        ASSERT_EQ(Keys(n + 1), keys) << "round " << round;
        ASSERT_EQ(Items(n + 1), items) << "round " << round;
        ASSERT_TRUE(std::is_sorted(keys.begin(), keys.begin() + n));
    }
}

TEST_F(DepthSortTest, NaNKeysGiveTheReferenceOrderAndGeneratorState) {
    // Partitions by blocks assume keys without NaN; a NaN anywhere in the run must leave the order
    // and the generator's state exactly as the reference path gives them.
    const int n = 300;
    auto sortOnce = [&](bool reference) {
        for (int k = 0; k < n; ++k) {
            Scene().FaceDepths[k] = k % 37 == 5 ? std::nanf("") : -static_cast<float>(k * 7919 % 13);
            Scene().DrawList[k] = static_cast<Index>(k + 1);
        }
        UseFixedRandomSeed(77);
        UseReferencePath(reference);
        SortFaces(Scene().FaceDepths, Scene().DrawList, 0, n - 1);
        UseReferencePath(false);
        return std::make_pair(Items(n), NextRandom());
    };
    EXPECT_EQ(sortOnce(false), sortOnce(true));
}

TEST_F(DepthSortTest, FullTableOfEqualKeysDoesNotExhaustTheStack) {
    // Equal keys make every pivot the worst one: each partition peels off a single element.
    const int n = kTableCapacity;
    for (int k = 0; k < n; ++k) {
        Scene().FaceDepths[k] = -1.5f;
        Scene().DrawList[k] = static_cast<Index>(k + 1);
    }
    SortFaces(Scene().FaceDepths, Scene().DrawList, 0, n - 1);
    std::vector<Index> items = Items(n);
    std::sort(items.begin(), items.end());
    for (int k = 0; k < n; ++k) ASSERT_EQ(items[k], k + 1);
    EXPECT_EQ(Scene().DrawList[kTableCapacity], 0);
}

TEST_F(DepthSortTest, RandomPivotStaysInItsRangeAndReachesBothEnds) {
    bool sawLo = false, sawHi = false;
    for (int k = 0; k < 400; ++k) {
        const Index p = RandomPivot(3, 6);
        ASSERT_GE(p, 3);
        ASSERT_LE(p, 6);
        sawLo |= p == 3;
        sawHi |= p == 6;
    }
    EXPECT_TRUE(sawLo && sawHi);
    EXPECT_EQ(RandomPivot(9, 9), 9);
}

}  // namespace
}  // namespace quarn::test
