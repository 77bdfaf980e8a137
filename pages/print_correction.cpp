#include "pages/print_correction.h"

#include <cmath>

namespace tavrel::pages {

bool withinBounds(double factor)
{
    return std::isfinite(factor) && factor >= kLeastCorrection && factor <= kGreatestCorrection;
}

bool withinBounds(PrintCorrection correction)
{
    return withinBounds(correction.across) && withinBounds(correction.down);
}

// A tenth of a percent is finer than a ruler reads the calibration sheet's bars.
double percentOf(double factor)
{
    return std::round(factor * 1000) / 10;
}

PrintCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                   double nominalDown, double measuredDown)
{
    return {nominalAcross / measuredAcross, nominalDown / measuredDown};
}

}  // namespace tavrel::pages
