#include "pattern/pattern_plan.h"

#include "measure/physical_units.h"
#include "measure/rounding.h"

#include <cmath>
#include <limits>

namespace tavrel::pattern {
namespace {

using measure::roundToInt16;
using measure::roundToInt32;

// Working values are formed in double and stored in single precision.
float single(double value) { return static_cast<float>(value); }

// Rounds radius, Y and X in that order, halves to even, and computes the primitive's call.
std::optional<ArcOp> arcOp(float X, float Y, std::int16_t startAngle, std::int16_t endAngle,
                           float radius)
{
    const auto r = roundToInt16(radius);
    const auto y = roundToInt16(Y);
    const auto x = roundToInt16(X);
    if (!r || !y || !x) return std::nullopt;
    const ArcArguments arguments{*x, *y, startAngle, endAngle, *r};
    const auto call = computeArcCall(arguments);
    if (!call) return std::nullopt;
    return ArcOp{arguments, *call};
}

bool addFigure(PatternPlan& plan, float oneHalfM, float halfM)
{
    const double M = plan.M;
    // The stored working values.
    const float oneHalfPlusM = single(oneHalfM + M);
    const float oneHalfMinusM = single(oneHalfM - M);
    const float threeM = single(static_cast<double>(oneHalfM) + oneHalfM);
    const float zero = single(static_cast<double>(oneHalfM) - oneHalfM);
    const float twoM = single(static_cast<double>(oneHalfM) + halfM);
    const float chord9Y = single(2.25 * M + halfM);
    const float chord12Y = single(2.5 * M + halfM);
    const float doubleM = single(M + M);

    auto& ops = plan.figure;
    auto addArc = [&ops](float X, float Y, std::int16_t a1, std::int16_t a2, float radius) {
        const auto op = arcOp(X, Y, a1, a2, radius);
        if (op) ops.emplace_back(*op);
        return op.has_value();
    };

    ops.emplace_back(LineOp{oneHalfM, halfM, oneHalfM, single(2.75 * M + halfM)});
    if (!addArc(oneHalfM, halfM, 290, 19, oneHalfM)) return false;
    if (!addArc(oneHalfM, halfM, 160, 250, oneHalfM)) return false;
    if (!addArc(oneHalfPlusM, twoM, 190, 243, single(0.85 * M))) return false;
    if (!addArc(oneHalfMinusM, twoM, 297, 350, single(0.85 * M))) return false;
    // The small circle touches the line of centres y = 2M from below: its centre lies one
    // stored radius under that line.
    const float smallRadius = single(0.1752 * M);
    if (!addArc(oneHalfM, single(static_cast<double>(smallRadius) + twoM), 5, 175, smallRadius))
        return false;
    if (!addArc(threeM, twoM, 92, 139, doubleM)) return false;
    if (!addArc(zero, twoM, 41, 88, doubleM)) return false;
    ops.emplace_back(LineOp{single(oneHalfM - 0.61 * M), chord9Y, single(oneHalfM + 0.61 * M), chord9Y});
    if (!addArc(oneHalfM, chord9Y, 345, 58, plan.M)) return false;
    if (!addArc(oneHalfM, chord9Y, 122, 195, plan.M)) return false;
    ops.emplace_back(LineOp{single(oneHalfM - 0.97 * M), chord12Y, single(oneHalfM + 0.97 * M), chord12Y});
    return true;
}

void addRuler(PatternPlan& plan, float oneHalfM, float twipsPerPixelX, measure::UnitSystem ruler)
{
    using measure::kCentimetersPerInch, measure::kTwipsPerInch;
    const bool metric = ruler == measure::UnitSystem::Metric;
    const float unitPixels = metric ? single(kTwipsPerInch / kCentimetersPerInch / twipsPerPixelX)
                                    : single(kTwipsPerInch / twipsPerPixelX);
    const std::int16_t first = metric ? -2 : -1;
    const std::int16_t last = metric ? 2 : 1;

    const double M = plan.M;
    const float tickTop = single(3.5 * M);
    const float tickBottom = single(3.75 * M);
    auto tickX = [&](std::int16_t i) {
        return single(oneHalfM + static_cast<double>(static_cast<float>(i)) * unitPixels);
    };
    for (std::int16_t i = first; i <= last; ++i)
        plan.ruler.push_back({tickX(i), tickTop, tickX(i), tickBottom});
    plan.ruler.push_back({tickX(first), tickBottom, tickX(last), tickBottom});
}

}  // namespace

int wholePixels(float size)
{
    const auto rounded = roundToInt32(size);
    return rounded && *rounded > 0 ? *rounded : 0;
}

std::optional<PatternPlan> planPattern(float M, Screen screen, measure::UnitSystem ruler,
                                       ControlRoom room)
{
    if (!(M > 0.0f) || !std::isfinite(M)) return std::nullopt;
    // The largest working value is 4.2 M; an M whose working values leave single precision is
    // refused before any of them is stored (it could not be drawn in 16 bits anyway).
    if (4.2 * static_cast<double>(M) > std::numeric_limits<float>::max()) return std::nullopt;
    PatternPlan plan;
    plan.M = M;
    plan.pictureTop = static_cast<float>(room.pictureTop);
    const double m = M;
    const float oneHalfM = single(1.5 * m);
    const float halfM = single(0.5 * m);

    plan.pictureMoveWidth = single(2.0 * oneHalfM + 1);
    plan.pictureMoveHeight = single(4.2 * m);
    plan.pictureWidth = wholePixels(plan.pictureMoveWidth);
    plan.pictureHeight = wholePixels(plan.pictureMoveHeight);

    plan.labelMoveTop = single(3.8 * m);
    plan.labelMoveHeight = single(4.2 * m - 3.8 * m);
    plan.labelTop = wholePixels(plan.labelMoveTop);
    plan.labelWidth = plan.pictureWidth;  // the picture's inner width: it has no border
    plan.labelHeight = wholePixels(plan.labelMoveHeight);

    const auto width = roundToInt32((plan.pictureWidth + 100.0) * screen.twipsPerPixelX);
    // The picture's top and height and 100 pixels more: 204 beyond its height at its usual top.
    const auto height =
        roundToInt32((plan.pictureHeight + room.pictureTop + 100.0) * screen.twipsPerPixelY);
    if (!width || !height) return std::nullopt;
    plan.windowWidth = *width > room.minimumWindowWidth ? *width : room.minimumWindowWidth;
    plan.windowHeight = *height;

    if (!addFigure(plan, oneHalfM, halfM)) return std::nullopt;
    addRuler(plan, oneHalfM, screen.twipsPerPixelX, ruler);
    return plan;
}

}  // namespace tavrel::pattern
