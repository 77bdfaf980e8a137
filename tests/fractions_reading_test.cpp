#include "measure/fractions_reading.h"

#include "measure/conversion.h"
#include "measure/text_readings.h"
#include "measure/typed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tavrel::measure;

namespace {

TEST(ReadingOfFractions, TellsWhereTheReadingDiffersFromTheText)
{
    using R = FractionsReading;
    struct Case {
        const char* text;
        R reading;
    };
    for (const Case& c : {Case{"", R::AsWritten},
                          Case{"2", R::AsWritten},
                          Case{"2 1/2", R::AsWritten},
                          Case{"1/2", R::AsWritten},
                          Case{"1.5/2", R::AsWritten},
                          Case{"2 1/.5", R::AsWritten},
                          Case{"3.0", R::AsWritten},
                          Case{"3.", R::AsWritten},
                          Case{"3 ", R::AsWritten},
                          Case{"2.5", R::WholeRounded},
                          Case{"3.5", R::WholeRounded},
                          Case{"2.75", R::WholeRounded},
                          Case{".5", R::WholeRounded},
                          Case{"2.5 1/2", R::WholeRounded},
                          Case{"3 1/0", R::ZeroDenominator},
                          Case{"3 1/", R::ZeroDenominator},
                          Case{"1/0.0", R::ZeroDenominator},
                          Case{"1/", R::ZeroDenominator},
                          Case{"1 2", R::Unclear},
                          Case{"1 /2", R::Unclear},
                          Case{"1/ 2", R::Unclear},
                          Case{"1/2 ", R::Unclear},
                          Case{" 3", R::Unclear},
                          Case{"/2", R::Unclear},
                          Case{"/", R::Unclear},
                          Case{".", R::Unclear},
                          Case{"1 .", R::Unclear},
                          Case{"2 1/.", R::Unclear}}) {
        EXPECT_EQ(readingOfFractions(c.text), c.reading) << "'" << c.text << "'";
    }
}

// What a text plainly says, worked out apart from the unit's own reading: a whole number, a
// fraction, or both.
double plainInches(const std::string& text)
{
    const std::size_t blank = text.find(' ');
    const std::string whole = text.substr(0, blank);
    const std::string fraction = blank == std::string::npos ? "" : text.substr(blank + 1);
    if (whole.find('/') != std::string::npos) return plainInches("0 " + whole);
    const std::size_t slash = fraction.find('/');
    const double parts = slash == std::string::npos ? 0.0
                                                    : numericPrefix(fraction.substr(0, slash)) /
                                                          numericPrefix(fraction.substr(slash + 1));
    return numericPrefix(whole) + parts;
}

// Every text of up to five characters the box can hold that is said to read as written draws
// the size it plainly says.
TEST(ReadingOfFractions, WhatReadsAsWrittenDrawsThePlainSize)
{
    const std::string keys = "1.5/ 0";
    std::vector<std::string> texts{""};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].size() < 5)
            for (const char key : keys) texts.push_back(texts[i] + key);
    int checked = 0;
    for (const std::string& text : texts) {
        if (!couldBeTyped(text, Unit::InchesFractions) ||
            readingOfFractions(text) != FractionsReading::AsWritten || text.empty())
            continue;
        const Conversion drawn = convertMeasurement(text, Unit::InchesFractions, 15.0f);
        EXPECT_NEAR(drawn.pixels / 96.0, plainInches(text), 1e-6 * plainInches(text) + 1e-9)
            << "'" << text << "'";
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

}  // namespace
