#pragma once
// Where the calibration sheet's bars lie and how long they are, in twips: the desktop's printer
// and PDF and the browser's PDF draw the same sheet, and the calibration reads the same lengths.

#include "measure/unit.h"
#include "pages/geometry.h"
#include "pages/paper.h"

namespace tavrel::pages {

inline constexpr double kSheetInsetTwips = 360;     // from the printable area's edges
inline constexpr double kAcrossBarTopTwips = 2600;  // below the title and the instructions
inline constexpr double kDownBarTopTwips = 3400;
inline constexpr double kSheetMarginTwips = 720;    // a PDF sheet's, from the paper's edges

// The bars' lengths in twips: 8 inches or 20 centimeters, or the most whole units that fit.
struct CalibrationBars {
    double across = 0;
    double down = 0;
};

CalibrationBars calibrationBarsFor(Size printableTwips, measure::UnitSystem unit);

// The printable height in which the bar down is as long as it ever is.
double longestSheetTwips(measure::UnitSystem unit);

// A bar's length in the unit the user measures in, as the sheet names it: 8 (inches), 200
// (millimeters).
long barLengthInUnits(double twips, measure::UnitSystem unit);

// The PDF sheet's size in points: the paper's, but a roll's sheet is cut as long as its longest
// bar down needs, about a letter sheet's length, not as long as a page from the roll may be.
Size calibrationSheetPoints(Paper paper, measure::UnitSystem unit);

}  // namespace tavrel::pages
