// The lengths typed into the calibrations, read strictly.
#include "measure/typed_length.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using tavrel::measure::readTypedInches;

TEST(TypedLength, ReadsTypedLengthsStrictly)
{
    const struct {
        const char* text;
        bool millimetres;
        std::optional<double> inches;
    } cases[] = {
        {"7 7/8", false, 7.875},
        {" 7/8 ", false, 0.875},
        {"12.5", false, 12.5},
        {"254", true, 10},
        {"7 7/8", true, std::nullopt},
        {"", false, std::nullopt},
        {"abc", false, std::nullopt},
        {"1/0", false, std::nullopt},
        {"1 2 3/4", false, std::nullopt},
        {"-5", false, std::nullopt},
        {"1e3", true, std::nullopt},
        {"7 /8", false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readTypedInches(c.text, c.millimetres), c.inches) << c.text;
}

}  // namespace
