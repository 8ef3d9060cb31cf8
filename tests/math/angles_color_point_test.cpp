#include <gtest/gtest.h>

#include "math/angles.hpp"
#include "math/color.hpp"
#include "math/constants.hpp"
#include "math/screen_point.hpp"
#include "platform/engine_fault.hpp"
#include "platform/random.hpp"

namespace quarn {
namespace {

TEST(AnglesTest, ArcCosDefinesEveryInput) {
    EXPECT_EQ(ArcCos(1), 0);
    EXPECT_EQ(ArcCos(-1), kPi);
    EXPECT_EQ(ArcCos(1.5), 0);
    EXPECT_EQ(ArcCos(-7), 0);
    EXPECT_NEAR(ArcCos(0), 1.5707963267948966, 1e-15);
    EXPECT_NEAR(ArcCos(0.5), 1.0471975511965979, 1e-12);
    EXPECT_FLOAT_EQ(DegreesToRadians(180), static_cast<float>(kPi));
}

TEST(AnglesTest, DirectionsAndAnglesRoundTrip) {
    EXPECT_EQ(DirectionFromAngles({0, 0, 0}), (Vector3D{0, 0, 1}));
    for (float roll : {0.0f, 1.0f, -2.5f}) {
        const Vector3D d = DirectionFromAngles({roll, 0, static_cast<float>(kHalfPi)});
        EXPECT_FLOAT_EQ(d.x, 1);
        EXPECT_NEAR(d.z, 0, 1e-7);
    }
    const EulerAngles up = AnglesFromDirection({0, 1, 0});
    EXPECT_EQ(up.x, 0);
    EXPECT_FLOAT_EQ(up.y, static_cast<float>(-kHalfPi));
    EXPECT_FLOAT_EQ(up.z, static_cast<float>(kHalfPi));
    const Vector3D back = DirectionFromAngles(up);
    EXPECT_NEAR(back.y, 1, 1e-6);
    const EulerAngles left = AnglesFromDirection({-1, 0, 0});
    EXPECT_EQ(left.y, 0);
    EXPECT_FLOAT_EQ(left.z, static_cast<float>(-kHalfPi));
    const Vector3D d{0.3f, -0.4f, -0.8660254f};
    const Vector3D again = DirectionFromAngles(AnglesFromDirection(d));
    EXPECT_NEAR(again.x, 0.3f, 1e-5);
    EXPECT_NEAR(again.y, -0.4f, 1e-5);
    EXPECT_NEAR(again.z, -0.8660254f, 1e-5);
}

TEST(ColorTest, PackingAndArithmetic) {
    EXPECT_EQ(ColorFromRGB(0xFFFFFF), (ColorRGB16{255, 255, 255}));
    EXPECT_EQ(ColorFromRGB(0x0000FF), (ColorRGB16{255, 0, 0}));
    EXPECT_EQ(ColorToRGB({255, 0, 0}), 255);
    EXPECT_EQ(ColorToRGB({1, 2, 3}), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(ColorAdd({200, 10, 0}, {100, 10, 0}), (ColorRGB16{300, 20, 0}));
    EXPECT_THROW(ColorAdd({32767, 0, 0}, {1, 0, 0}), ArithmeticError);
    EXPECT_EQ(ColorScale({255, 1, 3}, 0.5f), (ColorRGB16{128, 0, 2}));  // 127.5 -> 128, 0.5 -> 0, 1.5 -> 2
    EXPECT_THROW(ColorScale({255, 0, 0}, 1000), ArithmeticError);
    // The classic shading blend: (200, 0, 0) halfway to white.
    EXPECT_EQ(ColorLerp({200, 0, 0}, {255, 255, 255}, 0.5f), (ColorRGB16{228, 128, 128}));
    EXPECT_THROW(ColorLerp({-32768, 0, 0}, {32767, 0, 0}, 0.5f), ArithmeticError);
}

TEST(ColorTest, RandomColorsStayInByteRange) {
    UseFixedRandomSeed(3);
    for (int i = 0; i < 1000; ++i) {
        const ColorRGB16 c = RandomColor();
        for (int v : {c.Red, c.Green, c.Blue}) {
            ASSERT_GE(v, 0);
            ASSERT_LE(v, 255);
        }
    }
    UseClockRandomSeed();
}

TEST(ScreenPointTest, ConversionsRoundHalfToEvenAndCheckRange) {
    EXPECT_EQ(VectorToPoint({2.5f, 3.5f, 99}), MakePoint(2, 4));
    EXPECT_EQ(VectorToPoint({-2.5f, -0.4f, 0}), MakePoint(-2, 0));
    EXPECT_THROW(VectorToPoint({3e9f, 0, 0}), ArithmeticError);
    EXPECT_EQ(PointToVector(MakePoint(-3, 7)), (Vector3D{-3, 7, 0}));
    EXPECT_EQ(PointSubtract(MakePoint(5, 5), MakePoint(2, 7)), MakePoint(3, -2));
    EXPECT_THROW(PointSubtract(MakePoint(2147483647, 0), MakePoint(-1, 0)), ArithmeticError);
}

}  // namespace
}  // namespace quarn
