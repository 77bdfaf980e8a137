#pragma once
// The words that refuse a measurement too large to draw, for the window's notice and the
// command line alike.

#include "measure/unit.h"
#include "pattern/pattern_plan.h"

#include <QString>

namespace tavrel::exporting {

// Names the largest measurement `unit` draws on `screen`, with the language's decimal mark.
QString tooLargeMessage(measure::Unit unit, pattern::Screen screen);

}  // namespace tavrel::exporting
