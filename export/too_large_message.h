#pragma once
// The words that refuse a measurement too large to draw, for the window's notice and the
// command line alike.

#include "measure/unit.h"
#include "pattern/pattern_plan.h"

#include <QString>

namespace tavrel::exporting {

// Names the largest measurement `unit` draws on `screen` as it is typed, with `decimalMark` (a
// point or a comma) for its point.
QString tooLargeMessage(measure::Unit unit, pattern::Screen screen, QChar decimalMark);

}  // namespace tavrel::exporting
