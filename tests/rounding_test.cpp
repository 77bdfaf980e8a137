#include "measure/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavrel::measure;

namespace {

TEST(Rounding, HalvesGoToEvenAndRangesAreChecked)
{
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(3.5), 4);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(roundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(roundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(roundToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(roundToInt16(7.5), 8);
    EXPECT_EQ(roundToInt16(32767.4), 32767);  // the largest arc argument
    EXPECT_EQ(roundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(roundToInt16(-32768.5), -32768);
    EXPECT_EQ(toSingle(1e39), std::nullopt);
    EXPECT_EQ(toSingle(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(toSingle(0.1), 0.1f);
}

}  // namespace
