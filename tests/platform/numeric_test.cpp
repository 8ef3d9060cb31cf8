#include "platform/numeric.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "platform/engine_fault.hpp"

namespace quarn {
namespace {

TEST(NumericTest, RoundingGoesHalfToEven) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(127.5), 128);
    EXPECT_EQ(RoundToInt16(2.4999), 2);
    EXPECT_EQ(RoundToInt32(-1e9 - 0.5), -1000000000);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.0), -32768);
}

TEST(NumericTest, ConversionsOutOfRangeThrow) {
    EXPECT_THROW(RoundToInt16(32767.5), ArithmeticError);
    EXPECT_THROW(RoundToInt16(-32769.0), ArithmeticError);
    EXPECT_THROW(RoundToInt32(2147483648.0), ArithmeticError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::infinity()), ArithmeticError);
}

TEST(NumericTest, SixteenBitArithmeticIsChecked) {
    EXPECT_EQ(CheckedAdd16(32766, 1), 32767);
    EXPECT_EQ(CheckedSub16(-32767, 1), -32768);
    EXPECT_THROW(CheckedAdd16(32767, 1), ArithmeticError);
    EXPECT_THROW(CheckedSub16(-32768, 1), ArithmeticError);
    EXPECT_THROW(ToInt16(40000), ArithmeticError);
}

TEST(NumericTest, DivisionAndFloatStorageAreChecked) {
    EXPECT_DOUBLE_EQ(CheckedDivide(1, 4), 0.25);
    EXPECT_THROW(CheckedDivide(1, 0), ArithmeticError);
    EXPECT_THROW(CheckedDivide(0, 0), ArithmeticError);
    EXPECT_THROW(CheckedDivide(1e300, 1e-300), ArithmeticError);
    EXPECT_EQ(StoreFloat(0.1), 0.1f);
    EXPECT_THROW(StoreFloat(1e39), ArithmeticError);
    EXPECT_THROW(StoreFloat(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
}

TEST(NumericTest, FaultsShareOneBase) {
    try {
        ToInt16(1 << 20);
        FAIL();
    } catch (const EngineFault& fault) {
        EXPECT_NE(std::string(fault.what()).find("16 bits"), std::string::npos);
    }
}

}  // namespace
}  // namespace quarn
