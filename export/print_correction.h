#pragma once
// A printer's correction of pages/print_correction.h, in the user's words.

#include "pages/print_correction.h"

#include <QString>

namespace tavrel::exporting {

using pages::kGreatestCorrection;
using pages::kLeastCorrection;
using pages::PrintCorrection;
using pages::withinBounds;

// A factor as a percentage in the user's language, to a tenth: 1.0204 is "102", 0.995 "99.5".
QString percentText(double factor);

// "102 % across, 99.5 % down"
QString correctionText(PrintCorrection correction);

}  // namespace tavrel::exporting
