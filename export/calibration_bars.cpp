#include "export/calibration_bars.h"

#include <QCoreApplication>
#include <QLocale>

namespace tavrel::exporting {

CalibrationBars calibrationBarsFor(QSizeF printableTwips, measure::UnitSystem unit)
{
    return pages::calibrationBarsFor({printableTwips.width(), printableTwips.height()}, unit);
}

QString barLengthText(double twips, measure::UnitSystem unit)
{
    const QString length = QLocale().toString(pages::barLengthInUnits(twips, unit));
    if (unit == measure::UnitSystem::Metric)
        //: A bar's length on the calibration sheet, such as "200 mm".
        return QCoreApplication::translate("CalibrationBars", "%1 mm").arg(length);
    //: A bar's length on the calibration sheet, such as "8 in".
    return QCoreApplication::translate("CalibrationBars", "%1 in").arg(length);
}

}  // namespace tavrel::exporting
