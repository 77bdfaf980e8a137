#include "pattern/drawing.h"

#include <gtest/gtest.h>

using namespace tavrel::pattern;

namespace {

const Screen kScreen96{15, 15};

TEST(Drawing, TextsToPlansOrReasons)
{
    struct Case {
        const char* text;
        int unit;
        bool planned, nothing, tooLarge;
    };
    for (const Case& c : {Case{"2 1/2", 1, true, false, false}, Case{".", 2, false, true, false},
                          Case{"/", 1, false, true, false}, Case{"91", 0, true, false, false},
                          Case{"92", 0, false, false, true}, Case{"99999999999", 1, false, false, true},
                          Case{"2311", 2, true, false, false}, Case{"2313", 2, false, false, true}}) {
        const Drawing d = prepareDrawing(c.text, *tavrel::measure::unitAt(c.unit), kScreen96);
        EXPECT_EQ(d.plan.has_value(), c.planned) << c.text;
        EXPECT_EQ(d.nothingToDraw(), c.nothing) << c.text;
        EXPECT_EQ(d.tooLarge(), c.tooLarge) << c.text;
    }
}

TEST(Drawing, LargestMeasurementIsAcceptedAndTheNextStepIsNot)
{
    struct Case {
        int unit;
        const char* largest;
        const char* next;
    };
    for (const Case& c : {Case{0, "91.02", "91.03"}, Case{1, "91", "92"}, Case{2, "2311", "2312"}}) {
        EXPECT_EQ(largestMeasurementText(*tavrel::measure::unitAt(c.unit), kScreen96), c.largest)
            << c.unit;
        EXPECT_TRUE(prepareDrawing(c.largest, *tavrel::measure::unitAt(c.unit), kScreen96).plan)
            << c.unit;
        EXPECT_TRUE(prepareDrawing(c.next, *tavrel::measure::unitAt(c.unit), kScreen96).tooLarge())
            << c.unit;
    }
    EXPECT_EQ(largestMeasurementText(*tavrel::measure::unitAt(0), Screen{12, 12}), "72.81");
}

}  // namespace
