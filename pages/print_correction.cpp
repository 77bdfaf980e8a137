#include "pages/print_correction.h"

#include <cmath>

namespace tavrel::pages {

bool withinBounds(double factor)
{
    return std::isfinite(factor) && factor >= kLeastCorrection && factor <= kGreatestCorrection;
}

}  // namespace tavrel::pages
