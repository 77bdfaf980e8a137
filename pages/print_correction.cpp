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

PrintCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                   double nominalDown, double measuredDown)
{
    return {nominalAcross / measuredAcross, nominalDown / measuredDown};
}

}  // namespace tavrel::pages
