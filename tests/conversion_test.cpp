#include "measure/conversion.h"

#include <gtest/gtest.h>

#include <string>

using tavrel::measure::Conversion;
using tavrel::measure::convertMeasurement;
using tavrel::measure::ParseFraction;
using Status = Conversion::Status;

namespace {

struct WorkedValue {
    int unit;
    std::string text;
    float twipsPerPixel;
    float pixels;
    float M;
};

class WorkedValues : public testing::TestWithParam<WorkedValue> {};

TEST_P(WorkedValues, GiveThePixelsAndBaseLength)
{
    const auto& w = GetParam();
    const Conversion c =
        convertMeasurement(w.text, tavrel::measure::unitAt(w.unit), w.twipsPerPixel);
    EXPECT_FLOAT_EQ(c.pixels, w.pixels) << "text '" << w.text << "' unit " << w.unit;
    EXPECT_FLOAT_EQ(c.M, w.M) << "text '" << w.text << "' unit " << w.unit;
    EXPECT_EQ(c.status, w.M == 0 ? Status::NothingToDraw : Status::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    AtFifteenAndTwelveTwips, WorkedValues,
    testing::Values(WorkedValue{0, "1", 15, 96, 72}, WorkedValue{0, "2.5", 15, 240, 180},
                    WorkedValue{0, ".", 15, 0, 0}, WorkedValue{1, "2 1/2", 15, 240, 180},
                    WorkedValue{1, "1/2", 15, 48, 36}, WorkedValue{1, "2.5", 15, 192, 144},
                    WorkedValue{1, "3.5", 15, 384, 288}, WorkedValue{1, "1 2", 15, 96, 72},
                    WorkedValue{1, "1/", 15, 0, 0}, WorkedValue{1, "/", 15, 0, 0},
                    WorkedValue{1, "3 1/", 15, 288, 216}, WorkedValue{1, " 3", 15, 0, 0},
                    WorkedValue{1, "1/2 ", 15, 96, 72}, WorkedValue{2, "25.4", 15, 96, 72},
                    WorkedValue{2, "10", 15, 37.795277f, 28.346458f},
                    WorkedValue{0, "1", 12, 120, 90},
                    // A decimal point may stand in both parts of a fraction; they are not rounded.
                    WorkedValue{1, "1.5/2", 15, 72, 54},
                    // Blanks are skipped inside the decimal reading.
                    WorkedValue{0, "1 2", 15, 1152, 864},
                    // A carriage return is no blank: it ends the number.
                    WorkedValue{0, "1\r2", 15, 96, 72}, WorkedValue{0, "\r1", 15, 0, 0},
                    WorkedValue{1, "2\r1/2", 15, 96, 72}, WorkedValue{2, "25.4\r\n", 15, 0, 0}));

TEST(Conversion, ExactSinglePrecisionValuesForMillimeters)
{
    const Conversion c = convertMeasurement("10", tavrel::measure::unitAt(2), 15);
    EXPECT_EQ(c.pixels, 37.795277f);
    EXPECT_EQ(c.M, 28.346458f);
}

TEST(ParseFraction, TrimsPiecesUsesTheFirstTwoAndNeverFails)
{
    struct Case {
        const char* text;
        float value;
    };
    for (const Case& c : {Case{"1/2", 0.5f}, Case{" 1 / 2 ", 0.5f}, Case{"3/4/5", 0.75f},
                          Case{"1.5/2", 0.75f}, Case{"1/0", 0}, Case{"1/", 0}, Case{"/", 0},
                          Case{"", 0}, Case{"12", 0}, Case{"/4", 0}, Case{"1/.", 0},
                          // A quotient beyond single precision is a failure, which reads as 0.
                          Case{"99999999999999999999999999999999999999999/1", 0},
                          Case{"1/99999999999999999999999999999999999999999", 1e-41f}}) {
        EXPECT_FLOAT_EQ(ParseFraction(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(Conversion, UnreadableOrEmptyTextHasNothingToDraw)
{
    struct Case {
        int unit;
        const char* text;
    };
    for (const Case& c : {Case{2, "."}, Case{2, "1 2"}, Case{2, "-5"}, Case{2, "1e3"},
                          Case{2, ""}, Case{0, ""}, Case{0, "-5"}, Case{1, ""}, Case{0, "abc"},
                          Case{-1, "5"}, Case{3, "5"}}) {
        const Conversion result = convertMeasurement(c.text, tavrel::measure::unitAt(c.unit), 15);
        EXPECT_EQ(result.status, Status::NothingToDraw) << c.unit << " '" << c.text << "'";
        EXPECT_EQ(result.M, 0.0f);
    }
}

TEST(Conversion, NoSignAndNoExponent)
{
    EXPECT_FLOAT_EQ(convertMeasurement("1e3", tavrel::measure::unitAt(0), 15).M, 72);
    EXPECT_FLOAT_EQ(convertMeasurement("+2", tavrel::measure::unitAt(0), 15).M, 0);
}

TEST(Conversion, ValuesBeyondTheirRangesAreTooLarge)
{
    const std::string hugeDigits(400, '9');
    struct Case {
        int unit;
        std::string text;
    };
    for (const Case& c : {Case{0, hugeDigits}, Case{2, hugeDigits}, Case{1, hugeDigits},
                          // The whole part leaves 32 bits with ten digits.
                          Case{1, "2147483648"}, Case{1, "9999999999 1/2"},
                          // Pixels beyond single precision.
                          Case{0, "1" + std::string(38, '0')}}) {
        EXPECT_EQ(convertMeasurement(c.text, tavrel::measure::unitAt(c.unit), 15).status,
                  Status::TooLarge)
            << c.unit << " '" << c.text.substr(0, 20) << "'";
    }
    EXPECT_EQ(convertMeasurement("2147483647", tavrel::measure::unitAt(1), 15).status, Status::Ok);
}

TEST(Conversion, TinyValuesUnderflowToNothing)
{
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(convertMeasurement(tiny, tavrel::measure::unitAt(0), 15).status,
              Status::NothingToDraw);
}

TEST(Conversion, TheSameTextAlwaysGivesTheSameResult)
{
    for (const char* text : {"2 1/2", "25.4", ".5", "1/3"})
        for (int unit = 0; unit < 3; ++unit)
            EXPECT_EQ(convertMeasurement(text, tavrel::measure::unitAt(unit), 15),
                      convertMeasurement(text, tavrel::measure::unitAt(unit), 15));
}

}  // namespace
