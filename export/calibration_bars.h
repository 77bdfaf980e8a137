#pragma once
// Where the calibration sheet's bars lie and how long they are, on their own: the window's
// calibration needs their lengths without loading the exporters.

#include "measure/unit.h"

#include <QSizeF>
#include <QString>

namespace tavrel::exporting {

inline constexpr double kSheetInsetTwips = 360;     // from the printable area's edges
inline constexpr double kAcrossBarTopTwips = 2600;  // below the title and the instructions
inline constexpr double kDownBarTopTwips = 3400;

// The bars' lengths in twips: 8 inches or 20 centimeters, or the most whole units that fit.
struct CalibrationBars {
    double across = 0;
    double down = 0;
};

CalibrationBars calibrationBarsFor(QSizeF printableTwips, measure::UnitSystem unit);

// The printable height in which the bar down is as long as it ever is.
double longestSheetTwips(measure::UnitSystem unit);

// "8 in", "200 mm": how the sheet names a bar's length, in the unit the user measures in.
QString barLengthText(double twips, measure::UnitSystem unit);

}  // namespace tavrel::exporting
