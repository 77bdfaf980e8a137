#include "pages/calibration_bars.h"

#include "measure/physical_units.h"

#include <algorithm>
#include <cmath>

namespace tavrel::pages {
namespace {

using measure::kTwipsPerInch;
constexpr double kTwipsPerPoint = 20;

struct BarUnit {
    double twips;
    int longest;  // in whole units
};

BarUnit barUnitOf(measure::UnitSystem unit)
{
    if (unit == measure::UnitSystem::Metric)
        return {kTwipsPerInch / measure::kCentimetersPerInch, 20};
    return {kTwipsPerInch, 8};
}

double barLength(double room, measure::UnitSystem unit)
{
    const BarUnit bar = barUnitOf(unit);
    return std::clamp(std::floor(room / bar.twips), 0.0, double(bar.longest)) * bar.twips;
}

}  // namespace

CalibrationBars calibrationBarsFor(Size printableTwips, measure::UnitSystem unit)
{
    return {barLength(printableTwips.width - 2 * kSheetInsetTwips, unit),
            barLength(printableTwips.height - kDownBarTopTwips - kSheetInsetTwips, unit)};
}

double longestSheetTwips(measure::UnitSystem unit)
{
    const BarUnit bar = barUnitOf(unit);
    return kDownBarTopTwips + bar.longest * bar.twips + kSheetInsetTwips;
}

long barLengthInUnits(double twips, measure::UnitSystem unit)
{
    if (unit == measure::UnitSystem::Metric)
        return std::lround(twips / kTwipsPerInch * measure::kMillimetersPerInch);
    return std::lround(twips / kTwipsPerInch);
}

Size calibrationSheetPoints(Paper paper, measure::UnitSystem unit)
{
    const Size points = paperPoints(paper);
    if (!isRoll(paper)) return points;
    const double lengthTwips = longestSheetTwips(unit) + 2 * kSheetMarginTwips;
    return {points.width, std::ceil(lengthTwips / kTwipsPerPoint)};
}

}  // namespace tavrel::pages
