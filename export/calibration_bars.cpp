#include "export/calibration_bars.h"

#include "measure/physical_units.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tavrel::exporting {
namespace {

using measure::kTwipsPerInch;

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

CalibrationBars calibrationBarsFor(QSizeF printableTwips, measure::UnitSystem unit)
{
    return {barLength(printableTwips.width() - 2 * kSheetInsetTwips, unit),
            barLength(printableTwips.height() - kDownBarTopTwips - kSheetInsetTwips, unit)};
}

double longestSheetTwips(measure::UnitSystem unit)
{
    const BarUnit bar = barUnitOf(unit);
    return kDownBarTopTwips + bar.longest * bar.twips + kSheetInsetTwips;
}

QString barLengthText(double twips, measure::UnitSystem unit)
{
    if (unit == measure::UnitSystem::Metric)
        //: A bar's length on the calibration sheet, such as "200 mm".
        return QCoreApplication::translate("CalibrationBars", "%1 mm")
            .arg(QLocale().toString(
                std::lround(twips / kTwipsPerInch * measure::kMillimetersPerInch)));
    //: A bar's length on the calibration sheet, such as "8 in".
    return QCoreApplication::translate("CalibrationBars", "%1 in")
        .arg(QLocale().toString(std::lround(twips / kTwipsPerInch)));
}

}  // namespace tavrel::exporting
