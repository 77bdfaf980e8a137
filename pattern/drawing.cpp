#include "drawing.h"

#include <cmath>
#include <cstdio>

namespace tavrel::pattern {
namespace {

constexpr int kMillimeter = 2;

bool drawable(std::string_view text, int unitIndex, Screen screen)
{
    const auto drawing = prepareDrawing(text, unitIndex, screen);
    return drawing.plan.has_value();
}

// The text for a measurement in the unit: two decimals for decimal inches, whole inches for
// fractions, whole millimetres.
std::string formatMeasurement(double value, int unitIndex)
{
    char buffer[64];
    if (unitIndex == 0)
        std::snprintf(buffer, sizeof buffer, "%.2f", value / 100.0);
    else
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

}  // namespace

Drawing prepareDrawing(std::string_view text, int unitIndex, Screen screen)
{
    Drawing drawing;
    drawing.conversion = measure::convertMeasurement(text, unitIndex, screen.twipsPerPixelX);
    if (drawing.conversion.status == measure::Conversion::Status::Ok)
        drawing.plan = planPattern(drawing.conversion.M, screen, unitIndex == kMillimeter);
    return drawing;
}

std::string largestMeasurementText(int unitIndex, Screen screen)
{
    if (unitIndex < 0 || unitIndex > 2) return {};
    // Bisection over whole steps of the shown precision (hundredths of an inch, inches,
    // millimetres): drawability only shrinks as the measurement grows.
    double low = 0;
    double high = 1e9;
    if (!drawable(formatMeasurement(1, unitIndex), unitIndex, screen)) return {};
    low = 1;
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        if (drawable(formatMeasurement(middle, unitIndex), unitIndex, screen))
            low = middle;
        else
            high = middle;
    }
    return formatMeasurement(low, unitIndex);
}

std::string largestMeasurementWithUnit(int unitIndex, Screen screen)
{
    const std::string text = largestMeasurementText(unitIndex, screen);
    if (text.empty()) return {};
    return text + (unitIndex == kMillimeter ? " millimeters" : " inches");
}

}  // namespace tavrel::pattern
