#include "pattern/drawing.h"

#include <cmath>
#include <cstdio>

namespace tavrel::pattern {
namespace {

bool drawable(std::string_view text, measure::Unit unit, Screen screen)
{
    const auto drawing = prepareDrawing(text, unit, screen);
    return drawing.plan.has_value();
}

// The text for a measurement in the unit: two decimals for decimal inches, whole inches for
// fractions, whole millimetres.
std::string formatMeasurement(double value, measure::Unit unit)
{
    char buffer[64];
    if (unit == measure::Unit::InchesDecimal)
        std::snprintf(buffer, sizeof buffer, "%.2f", value / 100.0);
    else
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

}  // namespace

Drawing prepareDrawing(std::string_view text, measure::Unit unit, Screen screen)
{
    Drawing drawing;
    drawing.conversion = measure::convertMeasurement(text, unit, screen.twipsPerPixelX);
    if (drawing.conversion.status == measure::Conversion::Status::Ok)
        drawing.plan = planPattern(drawing.conversion.M, screen, unit == measure::Unit::Millimeter);
    return drawing;
}

std::string largestMeasurementText(measure::Unit unit, Screen screen)
{
    // Bisection over whole steps of the shown precision (hundredths of an inch, inches,
    // millimetres): drawability only shrinks as the measurement grows.
    double low = 0;
    double high = 1e9;
    if (!drawable(formatMeasurement(1, unit), unit, screen)) return {};
    low = 1;
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        if (drawable(formatMeasurement(middle, unit), unit, screen))
            low = middle;
        else
            high = middle;
    }
    return formatMeasurement(low, unit);
}

}  // namespace tavrel::pattern
