#include "pattern/pattern_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavrel::pattern;
using enum tavrel::measure::UnitSystem;

namespace {

const Screen kScreen96{15, 15};

ArcArguments arcAt(const PatternPlan& plan, std::size_t row)
{
    return std::get<ArcOp>(plan.figure.at(row - 1)).arguments;
}

LineOp lineAt(const PatternPlan& plan, std::size_t row)
{
    return std::get<LineOp>(plan.figure.at(row - 1));
}

TEST(PatternPlan, WorkedExampleAtBaseLength100)
{
    const auto plan = planPattern(100, kScreen96, Inch);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->pictureWidth, 301);
    EXPECT_EQ(plan->pictureHeight, 420);
    EXPECT_EQ(plan->labelTop, 380);
    EXPECT_EQ(plan->labelHeight, 40);
    EXPECT_EQ(plan->labelWidth, 301);
    EXPECT_EQ(plan->windowWidth, 6615);  // 6015 is below the minimum
    EXPECT_EQ(plan->windowHeight, 9360);

    ASSERT_EQ(plan->figure.size(), 12u);
    EXPECT_EQ(lineAt(*plan, 1), (LineOp{150, 50, 150, 325}));
    const ArcArguments arcs[] = {{150, 50, 290, 19, 150}, {150, 50, 160, 250, 150},
                                 {250, 200, 190, 243, 85}, {50, 200, 297, 350, 85},
                                 {150, 218, 5, 175, 18},   {300, 200, 92, 139, 200},
                                 {0, 200, 41, 88, 200}};
    for (std::size_t row = 2; row <= 8; ++row) EXPECT_EQ(arcAt(*plan, row), arcs[row - 2]) << row;
    EXPECT_EQ(lineAt(*plan, 9), (LineOp{89, 275, 211, 275}));
    EXPECT_EQ(arcAt(*plan, 10), (ArcArguments{150, 275, 345, 58, 100}));
    EXPECT_EQ(arcAt(*plan, 11), (ArcArguments{150, 275, 122, 195, 100}));
    EXPECT_EQ(lineAt(*plan, 12), (LineOp{53, 300, 247, 300}));
}

TEST(PatternPlan, HalvesRoundToEvenAtBaseLength5)
{
    const auto plan = planPattern(5, kScreen96, Inch);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->pictureWidth, 16);
    EXPECT_EQ(plan->pictureHeight, 21);
    EXPECT_EQ(arcAt(*plan, 2), (ArcArguments{8, 2, 290, 19, 8}));
    EXPECT_EQ(arcAt(*plan, 4), (ArcArguments{12, 10, 190, 243, 4}));
    EXPECT_EQ(arcAt(*plan, 6), (ArcArguments{8, 11, 5, 175, 1}));
    const LineOp chord = lineAt(*plan, 9);
    EXPECT_FLOAT_EQ(chord.x1, 4.45f);
    EXPECT_FLOAT_EQ(chord.x2, 10.55f);
    EXPECT_FLOAT_EQ(chord.y1, 13.75f);
}

TEST(PatternPlan, InchRulerHasThreeTicksOneInchApart)
{
    const auto plan = planPattern(100, kScreen96, Inch);
    ASSERT_TRUE(plan);
    const std::vector<LineOp> expected{{54, 350, 54, 375}, {150, 350, 150, 375},
                                       {246, 350, 246, 375}, {54, 375, 246, 375}};
    EXPECT_EQ(plan->ruler, expected);
}

TEST(PatternPlan, CentimeterRulerHasFiveTicksOneCentimeterApart)
{
    const auto plan = planPattern(100, kScreen96, Metric);
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->ruler.size(), 6u);
    const float ticks[] = {74.409447f, 112.204727f, 150.0f, 187.795273f, 225.590546f};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(plan->ruler[i].x1, ticks[i]) << i;
        EXPECT_EQ(plan->ruler[i].x2, ticks[i]) << i;
    }
    EXPECT_EQ(plan->ruler[5], (LineOp{ticks[0], 375, ticks[4], 375}));
}

// The ruler lies across: its pixels are the screen's across, whatever they are down.
TEST(PatternPlan, RulerSpacingFollowsTheScreenNotM)
{
    for (const Screen screen : {Screen{12, 12}, Screen{12, 15}})
        for (const float M : {10.0f, 100.0f, 1000.0f}) {
            const auto inches = planPattern(M, screen, Inch);
            const auto centimeters = planPattern(M, screen, Metric);
            ASSERT_TRUE(inches && centimeters);
            EXPECT_FLOAT_EQ(inches->ruler[1].x1 - inches->ruler[0].x1, 120.0f);
            EXPECT_NEAR(centimeters->ruler[1].x1 - centimeters->ruler[0].x1, 47.244095f, 1e-3);
        }
    // Below M = 64 the left inch tick falls left of the picture; the plan still stands.
    const auto narrow = planPattern(40, kScreen96, Inch);
    ASSERT_TRUE(narrow);
    EXPECT_LT(narrow->ruler[0].x1, 0);
}

TEST(PatternPlan, WindowWidthHasAMinimumAndHeightNone)
{
    struct Case {
        float M;
        std::int32_t width, height;
        ControlRoom room = {};
        Screen screen = kScreen96;
    };
    // (3M + 1 + 100) x 15 and (4.2M + 204) x 15, rounded; controls that grew push the picture
    // down and widen the narrowest window. Pixels 12 twips high count 12 twips each down.
    for (const Case& c :
         {Case{1, 6615, 3120}, Case{100, 6615, 9360}, Case{113, 6615, 10185},
          Case{180, 9615, 14400}, Case{1000, 46515, 66060}, Case{100, 7200, 10275, {165, 7200}},
          Case{180, 9615, 15315, {165, 7200}}, Case{1000, 46515, 52848, {}, {15, 12}}}) {
        const auto plan = planPattern(c.M, c.screen, Inch, c.room);
        ASSERT_TRUE(plan) << c.M;
        EXPECT_EQ(plan->windowWidth, c.width) << c.M;
        EXPECT_EQ(plan->windowHeight, c.height) << c.M;
        EXPECT_EQ(plan->pictureTop, c.room.pictureTop) << c.M;
    }
}

TEST(PatternPlan, Row8IsCentredOnTheLeftEdgeForEveryM)
{
    for (const float M : {0.3f, 1.0f, 7.0f, 99.5f, 3000.0f, 6552.0f}) {
        const auto plan = planPattern(M, kScreen96, Inch);
        ASSERT_TRUE(plan) << M;
        EXPECT_EQ(arcAt(*plan, 8).X, 0) << M;
        EXPECT_EQ(plan->labelWidth, plan->pictureWidth) << M;
    }
}

TEST(PatternPlan, LargestDrawableBaseLengthAndBeyond)
{
    const auto largest = planPattern(6552, kScreen96, Inch);
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->pictureWidth, 19657);
    EXPECT_EQ(largest->pictureHeight, 27518);
    // Row 7's box, 3M + 2M, leaves 16 bits just above M = 6553.5.
    EXPECT_TRUE(planPattern(6553.5f, kScreen96, Inch));
    EXPECT_FALSE(planPattern(6553.75f, kScreen96, Inch));
    EXPECT_FALSE(planPattern(1e30f, kScreen96, Inch));
    // Working values of 4.2 M beyond single precision: refused, not stored as infinity.
    EXPECT_FALSE(planPattern(1e38f, kScreen96, Inch));
    EXPECT_FALSE(planPattern(std::numeric_limits<float>::max(), kScreen96, Inch));
}

TEST(PatternPlan, NothingIsPlannedForZeroNegativeOrNonFiniteM)
{
    for (const float M : {0.0f, -1.0f, INFINITY, NAN})
        EXPECT_FALSE(planPattern(M, kScreen96, Inch));
}

}  // namespace
