// Any base length, NaN, infinities, negatives and subnormals included, at the usual screen
// resolutions: the plan is either complete (twelve operations of the figure in their order,
// the whole ruler, every argument inside its type) or refused, never partial, and the same
// twice. A base length that can be drawn stays drawable when it shrinks, which the search for
// the largest measurement relies on.
// Input: M as 4 raw bytes, a byte each for the horizontal and vertical resolution, a byte
// whose lowest bit chooses the centimeter ruler, 2 bytes for the fraction of M to shrink to.

#include "fuzz_require.h"
#include "pattern/pattern_plan.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

using namespace tavrel::pattern;
using tavrel::measure::UnitSystem;

constexpr float kTwipsPerPixel[] = {15.0f, 12.0f, 10.0f, 7.5f, 20.0f};

struct Angles {
    std::int16_t start, end;
};
// The figure's rows in drawing order; {0, 0} marks the three lines.
constexpr Angles kRows[12] = {{0, 0},   {290, 19}, {160, 250}, {190, 243}, {297, 350}, {5, 175},
                              {92, 139}, {41, 88},  {0, 0},     {345, 58},  {122, 195}, {0, 0}};

bool fitsInt16(std::int32_t value) { return value >= -32768 && value <= 32767; }

bool finite(const LineOp& line)
{
    return std::isfinite(line.x1) && std::isfinite(line.y1) && std::isfinite(line.x2) &&
           std::isfinite(line.y2);
}

void checkArc(const PatternPlan& plan, const ArcOp& arc, Angles angles)
{
    const ArcArguments& a = arc.arguments;
    FUZZ_REQUIRE(a.StartAngle == angles.start && a.EndAngle == angles.end);
    FUZZ_REQUIRE(a.radius >= 0);
    // Every centre lies on the picture (row 8's on its left edge).
    FUZZ_REQUIRE(a.X >= 0 && a.X <= plan.pictureWidth);
    FUZZ_REQUIRE(a.Y >= 0 && a.Y <= plan.pictureHeight);

    const auto call = computeArcCall(a);
    FUZZ_REQUIRE(call && *call == arc.call);
    for (const std::int32_t v : {call->left, call->top, call->right, call->bottom, call->xStart,
                                 call->yStart, call->xEnd, call->yEnd})
        FUZZ_REQUIRE(fitsInt16(v));
}

void checkComplete(const PatternPlan& plan, float M, Screen screen, UnitSystem ruler)
{
    FUZZ_REQUIRE(plan.M == M);
    FUZZ_REQUIRE(plan.figure.size() == std::size(kRows));
    for (std::size_t row = 0; row < plan.figure.size(); ++row) {
        const Operation& op = plan.figure[row];
        if (kRows[row].start == 0 && kRows[row].end == 0) {
            const auto* line = std::get_if<LineOp>(&op);
            FUZZ_REQUIRE(line && finite(*line));
        } else {
            const auto* arc = std::get_if<ArcOp>(&op);
            FUZZ_REQUIRE(arc);
            checkArc(plan, *arc, kRows[row]);
        }
    }

    FUZZ_REQUIRE(plan.ruler.size() == (ruler == UnitSystem::Metric ? 6u : 4u));
    for (const LineOp& line : plan.ruler) FUZZ_REQUIRE(finite(line));

    FUZZ_REQUIRE(plan.pictureWidth >= 0 && plan.pictureHeight >= 0);
    FUZZ_REQUIRE(plan.labelWidth == plan.pictureWidth);
    FUZZ_REQUIRE(plan.labelTop >= 0 && plan.labelTop + plan.labelHeight <= plan.pictureHeight + 1);
    FUZZ_REQUIRE(plan.windowWidth >= kMinimumWindowWidth);
    FUZZ_REQUIRE(plan.windowHeight >= std::nearbyint(204.0 * screen.twipsPerPixelY));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t input[9] = {};
    std::memcpy(input, data, size < sizeof input ? size : sizeof input);
    float M;
    std::memcpy(&M, input, sizeof M);
    const Screen screen{kTwipsPerPixel[input[4] % std::size(kTwipsPerPixel)],
                        kTwipsPerPixel[input[5] % std::size(kTwipsPerPixel)]};
    const UnitSystem ruler = input[6] % 2 == 1 ? UnitSystem::Metric : UnitSystem::Inch;
    const double shrink = (input[7] + 256.0 * input[8] + 1.0) / 65536.0;  // in (0, 1]

    const auto plan = planPattern(M, screen, ruler);
    const auto again = planPattern(M, screen, ruler);
    FUZZ_REQUIRE(plan.has_value() == again.has_value());
    if (!(std::isfinite(M) && M > 0.0f)) FUZZ_REQUIRE(!plan);
    if (!plan) return 0;
    FUZZ_REQUIRE(*plan == *again);
    checkComplete(*plan, M, screen, ruler);

    const float smaller = static_cast<float>(M * shrink);
    if (smaller > 0.0f) FUZZ_REQUIRE(planPattern(smaller, screen, ruler));
    return 0;
}
