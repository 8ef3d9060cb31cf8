#include "math/vector3d.hpp"

#include <gtest/gtest.h>

#include "platform/engine_fault.hpp"
#include "platform/random.hpp"

namespace quarn {
namespace {

TEST(Vector3DTest, ArithmeticRoundsEachComponentToFloat) {
    EXPECT_EQ(VectorAdd({1, 2, 3}, {0.5f, -2, 1e-8f}), (Vector3D{1.5f, 0, 3}));
    EXPECT_EQ(VectorSubtract({1, 2, 3}, {1, 2, 3}), ZeroVector());
    EXPECT_EQ(VectorScale({1, -2, 3}, 2), (Vector3D{2, -4, 6}));
    EXPECT_EQ(VectorLerp({0, 0, 0}, {10, 20, -30}, 0.5f), (Vector3D{5, 10, -15}));
    EXPECT_EQ(VectorCross({1, 0, 0}, {0, 1, 0}), (Vector3D{0, 0, 1}));
    EXPECT_EQ(VectorCross({0, 1, 0}, {1, 0, 0}), (Vector3D{0, 0, -1}));
    EXPECT_FLOAT_EQ(VectorDot({1, 2, 3}, {4, 5, 6}), 32);
    EXPECT_FLOAT_EQ(VectorLength({3, 4, 12}), 13);
    EXPECT_FLOAT_EQ(VectorDistance({1, 1, 1}, {4, 5, 1}), 5);
    EXPECT_THROW(VectorScale({3e38f, 0, 0}, 10), ArithmeticError);
}

TEST(Vector3DTest, ZeroVectorHasDefinedResults) {
    EXPECT_EQ(VectorNormalize(ZeroVector()), ZeroVector());
    EXPECT_EQ(VectorCosAngle(ZeroVector(), {1, 2, 3}), 0);
    EXPECT_EQ(VectorCosAngle({1, 2, 3}, ZeroVector()), 0);
    const Vector3D n = VectorNormalize({0, 0, -5});
    EXPECT_EQ(n, (Vector3D{0, 0, -1}));
    EXPECT_FLOAT_EQ(VectorCosAngle({1, 0, 0}, {1, 1, 0}), 0.70710677f);
}

TEST(Vector3DTest, ProjectionAndReflection) {
    EXPECT_EQ(VectorProject({3, 4, 0}, {2, 0, 0}), (Vector3D{3, 0, 0}));
    EXPECT_EQ(VectorReflect({0, 0, 1}, {0, 0, -1}), (Vector3D{0, 0, -1}));
    EXPECT_EQ(VectorReflect({0, 0, 1}, {0, 0, 1}), ZeroVector());
    const Vector3D r = VectorReflect({1, -1, 0}, {0, 1, 0});
    EXPECT_FLOAT_EQ(r.x, 1);
    EXPECT_FLOAT_EQ(r.y, 1);
    EXPECT_TRUE(VectorEquals({1, 2, 3}, {1, 2, 3}));
    EXPECT_FALSE(VectorEquals({1, 2, 3}, {1, 2, 3.0001f}));
}

TEST(Vector3DTest, RandomVectorComponentsLieInMinusOneToOne) {
    UseFixedRandomSeed(7);
    for (int i = 0; i < 1000; ++i) {
        const Vector3D v = RandomVector();
        for (float c : {v.x, v.y, v.z}) {
            ASSERT_GE(c, -1.0f);
            ASSERT_LT(c, 1.0f);
        }
    }
    UseClockRandomSeed();
}

}  // namespace
}  // namespace quarn
