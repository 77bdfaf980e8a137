#pragma once
// The pattern as an ASCII DXF drawing (AutoCAD 2000, the oldest dialect that records its units)
// for cutting plotters, lasers and CAD programs: the figure as lines and arcs on the layer CUT,
// the check ruler on the layer RULER in blue, at true size with y upwards.

#include "export/pattern_layers.h"
#include "measure/unit.h"

class QIODevice;

namespace tavrel::exporting {

// In inches or in millimeters; false when a write to the device failed.
bool writeDxf(const PatternLayers& layers, int dotsPerInch, measure::UnitSystem unit,
              QIODevice& device);

}  // namespace tavrel::exporting
