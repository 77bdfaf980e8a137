#pragma once
// The pattern as the desktop's DXF drawing (AutoCAD 2000), written without Qt for the browser:
// the figure as lines and arcs on the layer CUT, the check ruler on the layer RULER in blue, at
// true size with y upwards, in inches or millimeters as the unit. A reader gets the same header,
// layers and entities, with the same values, as from the desktop's file.

#include "measure/unit.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::web {

// The file for the text typed in the unit, drawn for a screen of `dotsPerInch`; nullopt when the
// text draws nothing.
std::optional<std::string> dxfFile(std::string_view measurement, measure::Unit unit,
                                   int dotsPerInch);

}  // namespace tavrel::web
