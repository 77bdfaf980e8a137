// What a bar matched to a ruler says of a screen, and the refusals of what no screen shows.
#include "pattern/projection.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

using namespace tavrel::pattern;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(Projection, PixelsPerInchFromBarRefusesWhatNoScreenShows)
{
    const struct {
        int bar;
        double inches;
        std::optional<double> expected;
    } cases[] = {
        {600, 10, 60},
        {600, 30, 20},
        {600, 1, 600},
        {600, 31, std::nullopt},
        {601, 1, std::nullopt},
        {1536, 1, std::nullopt},  // a 16-inch bar typed as 1
        {600, 0, std::nullopt},
        {600, -10, std::nullopt},
        {0, 10, std::nullopt},
        {600, kNaN, std::nullopt},
        {600, kInfinity, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelsPerInchFromBar(c.bar, c.inches), c.expected) << c.bar << " / " << c.inches;
}

}  // namespace
