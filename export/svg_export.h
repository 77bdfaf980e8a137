#pragma once
// The pattern as an SVG drawing that cutting machines and drawing programs read at true size:
// width, height and view box in millimeters, no background, the figure (the cut) in black in the
// group "figure" and the check ruler in blue in the group "ruler", as stroked paths without fill.
// Arcs are a few cubic curves, and the picture's edge trims the paths themselves.

#include "export/pattern_layers.h"

class QIODevice;

namespace tavrel::exporting {

// False when a write to the device failed.
bool writeSvg(const PatternLayers& layers, int dotsPerInch, QIODevice& device);

}  // namespace tavrel::exporting
