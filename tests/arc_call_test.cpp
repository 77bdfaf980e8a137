#include "pattern/arc_call.h"

#include <gtest/gtest.h>

using tavrel::pattern::ArcArguments;
using tavrel::pattern::ArcCall;
using tavrel::pattern::computeArcCall;
using Kind = ArcCall::Kind;

namespace {

struct StartPointCase {
    std::int16_t X, Y, radius, startAngle;
    std::int32_t xStart, yStart;
};

class StartPoints : public testing::TestWithParam<StartPointCase> {};

// Points are rounded down from double products, so multiples of 90 can land one below the
// exact value: these are the points the drawings depend on.
TEST_P(StartPoints, AreRoundedDownFromTheDoubleFormula)
{
    const auto& c = GetParam();
    const auto call = computeArcCall({c.X, c.Y, c.startAngle, 10, c.radius});
    ASSERT_TRUE(call);
    EXPECT_EQ(call->xStart, c.xStart);
    EXPECT_EQ(call->yStart, c.yStart);
}

INSTANTIATE_TEST_SUITE_P(KnownPoints, StartPoints,
                         testing::Values(StartPointCase{100, 100, 100, 90, 100, 0},
                                         StartPointCase{100, 100, 100, 45, 170, 29},
                                         StartPointCase{100, 100, 200, 0, 300, 99},
                                         StartPointCase{100, 100, 200, 270, 99, 300},
                                         StartPointCase{100, 100, 100, 450, 100, 0},
                                         StartPointCase{100, 100, 200, -1, 299, 103},
                                         StartPointCase{100, 100, 200, 359, 299, 103},
                                         StartPointCase{5, 5, 0, 123, 5, 5}));

TEST(ArcCall, SweepOfAFullTurnOrMoreIsAnEllipse)
{
    struct Case {
        std::int16_t start, end;
        Kind kind;
    };
    for (const Case& c : {Case{0, 360, Kind::Ellipse}, Case{360, 0, Kind::Ellipse},
                          Case{0, 359, Kind::Arc}, Case{290, 19, Kind::Arc},
                          Case{10, 10, Kind::Arc}, Case{-400, 400, Kind::Ellipse}}) {
        const auto call = computeArcCall({100, 100, c.start, c.end, 50});
        ASSERT_TRUE(call) << c.start << ".." << c.end;
        EXPECT_EQ(call->kind, c.kind) << c.start << ".." << c.end;
    }
}

TEST(ArcCall, BoxIsCentrePlusMinusRadius)
{
    const auto call = computeArcCall({150, 50, 290, 19, 150});
    ASSERT_TRUE(call);
    EXPECT_EQ(call->left, 0);
    EXPECT_EQ(call->top, -100);
    EXPECT_EQ(call->right, 300);
    EXPECT_EQ(call->bottom, 200);
}

TEST(ArcCall, EqualAnglesPassIdenticalPoints)
{
    const auto call = computeArcCall({100, 100, 10, 10, 60});
    ASSERT_TRUE(call);
    EXPECT_EQ(call->xStart, call->xEnd);
    EXPECT_EQ(call->yStart, call->yEnd);
}

TEST(ArcCall, SixteenBitOverflowsRefuseTheCall)
{
    struct Case {
        ArcArguments arguments;
        bool accepted;
    };
    for (const Case& c : {Case{{100, 100, -32678, 0, 10}, true},
                          Case{{100, 100, -32679, 0, 10}, false},
                          Case{{100, 100, 0, -32679, 10}, false},
                          // The difference -32768 has no 16-bit absolute value.
                          Case{{100, 100, 90, -32678, 10}, false},
                          Case{{100, 100, 32767, 0, 10}, true},
                          // The box leaves 16 bits although both points fit.
                          Case{{32700, 100, 180, 180, 100}, false},
                          Case{{-32700, 100, 0, 0, 100}, false},
                          Case{{100, 32700, 90, 90, 100}, false},
                          Case{{100, -32700, 270, 270, 100}, false},
                          // A point outside 16 bits.
                          Case{{32767, 0, 90, 90, 0}, true},
                          Case{{-32768, 0, 180, 180, 0}, true},
                          Case{{16384, 0, 0, 0, 16384}, false}}) {
        const auto& a = c.arguments;
        EXPECT_EQ(computeArcCall(a).has_value(), c.accepted)
            << a.X << "," << a.Y << " " << a.StartAngle << ".." << a.EndAngle << " r" << a.radius;
    }
}

TEST(ArcCall, NegativeRadiusMirrorsThePointsAndInvertsTheBox)
{
    const auto call = computeArcCall({100, 100, 90, 90, -50});
    ASSERT_TRUE(call);
    EXPECT_EQ(call->left, 150);
    EXPECT_EQ(call->right, 50);
    EXPECT_EQ(call->yStart, 150);
}

}  // namespace
