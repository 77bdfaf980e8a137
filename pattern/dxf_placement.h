#pragma once
// Where the pattern lies in a DXF drawing, whichever writer writes it: the header's units, and
// the picture's pixels (y down from the top) as the drawing's units (y up from the bottom).

#include "measure/unit.h"

#include <cmath>

namespace tavrel::pattern {

// Header values of $INSUNITS and $MEASUREMENT.
constexpr int kInsUnitsInch = 1;
constexpr int kInsUnitsMillimeter = 4;
constexpr int kMeasurementImperial = 0;
constexpr int kMeasurementMetric = 1;

struct DxfPlacement {
    double unitsPerPixel;
    double pictureHeight;

    double x(double pixels) const { return pixels * unitsPerPixel; }
    double y(double pixels) const { return (pictureHeight - pixels) * unitsPerPixel; }
};

// An angle as DXF arcs take it, from 0 up to 360 degrees.
inline double normalisedDegrees(double angle)
{
    const double reduced = std::fmod(angle, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

}  // namespace tavrel::pattern
