#include "platform/random.hpp"

#include <gtest/gtest.h>

#include <set>

namespace quarn {
namespace {

TEST(RandomTest, ValuesStayInTheUnitInterval) {
    UseFixedRandomSeed(1);
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = NextRandom();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
    UseClockRandomSeed();
}

TEST(RandomTest, FixedSeedReproducesEvenAcrossReseeding) {
    UseFixedRandomSeed(99);
    ReseedRandomFromClock();
    const float a = NextRandom(), b = NextRandom();
    UseFixedRandomSeed(99);
    ReseedRandomFromClock();
    EXPECT_EQ(NextRandom(), a);
    EXPECT_EQ(NextRandom(), b);
    UseClockRandomSeed();
}

TEST(RandomTest, ReseedingWithinOneTickStillGivesNewValues) {
    UseClockRandomSeed();
    std::set<float> seen;
    for (int i = 0; i < 50; ++i) {
        ReseedRandomFromClock();
        seen.insert(NextRandom());
    }
    EXPECT_GT(seen.size(), 45u);
}

}  // namespace
}  // namespace quarn
