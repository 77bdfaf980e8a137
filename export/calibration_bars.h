#pragma once
// Where the calibration sheet's bars lie and how long they are, on their own: the window's
// calibration needs their lengths without loading the exporters.

#include "measure/unit.h"
#include "pages/calibration_bars.h"

#include <QSizeF>
#include <QString>

namespace tavrel::exporting {

using pages::CalibrationBars;
using pages::kAcrossBarTopTwips;
using pages::kDownBarTopTwips;
using pages::kSheetInsetTwips;
using pages::longestSheetTwips;

CalibrationBars calibrationBarsFor(QSizeF printableTwips, measure::UnitSystem unit);

// "8 in", "200 mm": how the sheet names a bar's length, in the unit the user measures in.
QString barLengthText(double twips, measure::UnitSystem unit);

}  // namespace tavrel::exporting
