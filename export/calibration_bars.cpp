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

BarUnit barUnitOf(CheckRuler unit)
{
    if (unit == CheckRuler::Centimeter) return {kTwipsPerInch / measure::kCentimetresPerInch, 20};
    return {kTwipsPerInch, 8};
}

double barLength(double room, CheckRuler unit)
{
    const BarUnit bar = barUnitOf(unit);
    return std::clamp(std::floor(room / bar.twips), 0.0, double(bar.longest)) * bar.twips;
}

}  // namespace

CalibrationBars calibrationBarsFor(QSizeF printableTwips, CheckRuler unit)
{
    return {barLength(printableTwips.width() - 2 * kSheetInsetTwips, unit),
            barLength(printableTwips.height() - kDownBarTopTwips - kSheetInsetTwips, unit)};
}

double longestSheetTwips(CheckRuler unit)
{
    const BarUnit bar = barUnitOf(unit);
    return kDownBarTopTwips + bar.longest * bar.twips + kSheetInsetTwips;
}

QString barLengthText(double twips, CheckRuler unit)
{
    if (unit == CheckRuler::Centimeter)
        //: A bar's length on the calibration sheet, such as "200 mm".
        return QCoreApplication::translate("CalibrationBars", "%1 mm")
            .arg(QLocale().toString(
                std::lround(twips / kTwipsPerInch * measure::kMillimetresPerInch)));
    //: A bar's length on the calibration sheet, such as "8 in".
    return QCoreApplication::translate("CalibrationBars", "%1 in")
        .arg(QLocale().toString(std::lround(twips / kTwipsPerInch)));
}

}  // namespace tavrel::exporting
