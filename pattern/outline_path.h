#pragma once
// The trimmed outline of shapes as SVG path data, in the units of the file: moves, lines, and
// arcs as a few cubic curves, every number to a ten-thousandth. The desktop's SVG and the
// browser's are written from this one text.

#include "pattern/shapes.h"

#include <string>
#include <vector>

namespace tavrel::pattern {

// Empty when no shape has a piece inside the picture.
std::string outlinePathData(const std::vector<Shape>& shapes, PixelSize picture,
                            double unitsPerPixel);

// To a ten-thousandth, a half rounded away from zero; a value that rounds to nothing is "0",
// never "-0.0000". Always with a point, whatever the C locale says.
std::string tenThousandths(double value);

}  // namespace tavrel::pattern
