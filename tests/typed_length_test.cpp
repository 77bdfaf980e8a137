// The lengths typed into the calibrations, read strictly.
#include "measure/typed_length.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using tavrel::measure::readTypedInches;
using enum tavrel::measure::UnitSystem;

TEST(TypedLength, ReadsTypedLengthsStrictly)
{
    const struct {
        const char* text;
        tavrel::measure::UnitSystem units;
        std::optional<double> inches;
    } cases[] = {
        {"7 7/8", Inch, 7.875},
        {" 7/8 ", Inch, 0.875},
        {"12.5", Inch, 12.5},
        {"254", Metric, 10},
        {"7 7/8", Metric, std::nullopt},
        {"", Inch, std::nullopt},
        {"abc", Inch, std::nullopt},
        {"1/0", Inch, std::nullopt},
        {"1 2 3/4", Inch, std::nullopt},
        {"-5", Inch, std::nullopt},
        {"1e3", Metric, std::nullopt},
        {"7 /8", Inch, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readTypedInches(c.text, c.units), c.inches) << c.text;
}

}  // namespace
