#include "measure/text_readings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace tavrel::measure;

namespace {

TEST(NumericPrefix, ReadsTheLeadingNumberAndSkipsBlanks)
{
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"", 0}, Case{".", 0}, Case{"/2", 0}, Case{"12", 12},
                          Case{"2.5", 2.5}, Case{".5", 0.5}, Case{"5.", 5}, Case{"1.5.3", 1.5},
                          Case{"3/4", 3}, Case{" 1 2 3", 123}, Case{"\t4\n2", 42},
                          Case{"7abc", 7}, Case{"-5", 0}, Case{"1e3", 1}, Case{"+2", 0},
                          Case{"0.1", 0.1}, Case{"00012", 12},
                          // Just above halfway between two doubles: correctly rounded up.
                          Case{"9007199254740993.0000000001", 9007199254740994.0},
                          // A carriage return is no blank: it ends the number.
                          Case{"1\r2", 1}, Case{"\r1", 0}, Case{"2\r\n3", 2}}) {
        EXPECT_EQ(numericPrefix(c.text), c.value) << "'" << c.text << "'";
    }
    EXPECT_EQ(numericPrefix(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numericPrefix("0." + std::string(322, '0') + "5"), 5e-323);
    EXPECT_EQ(numericPrefix("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(StrictReading, AcceptsOnlyOneWholeDecimalNumber)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    for (const Case& c : {Case{"25.4", 25.4}, Case{" 10 ", 10.0}, Case{".5", 0.5},
                          Case{"5.", 5.0}, Case{".", std::nullopt}, Case{"", std::nullopt},
                          Case{"1 2", std::nullopt}, Case{"1.2.3", std::nullopt},
                          Case{"-5", std::nullopt}, Case{"1e3", std::nullopt},
                          Case{"1/2", std::nullopt}, Case{"12a", std::nullopt},
                          Case{"\t7\n", 7.0}, Case{"7\r\n", std::nullopt},
                          Case{"\r7", std::nullopt}}) {
        EXPECT_EQ(strictReading(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(SplitAt, KeepsEmptyPiecesButTheEmptyTextHasNone)
{
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(splitAt("", ' '), Pieces{});
    EXPECT_EQ(splitAt("12", ' '), Pieces{"12"});
    EXPECT_EQ(splitAt(" 3", ' '), (Pieces{"", "3"}));
    EXPECT_EQ(splitAt("1/2/", '/'), (Pieces{"1", "2", ""}));
}

TEST(TrimSpaces, RemovesOnlySpaces)
{
    EXPECT_EQ(trimSpaces("  1 2  "), "1 2");
    EXPECT_EQ(trimSpaces("\t1 "), "\t1");
    EXPECT_EQ(trimSpaces("   "), "");
}

}  // namespace
