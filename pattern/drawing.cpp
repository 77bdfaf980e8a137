#include "pattern/drawing.h"

#include <charconv>
#include <cstdint>
#include <iterator>

namespace tavrel::pattern {
namespace {

bool drawable(std::string_view text, measure::Unit unit, Screen screen)
{
    const auto drawing = prepareDrawing(text, unit, screen);
    return drawing.plan.has_value();
}

std::string digitsOf(std::int64_t value)
{
    char digits[24];
    return {digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr};
}

// The text for a number of steps of the unit's shown precision: hundredths of an inch as
// "91.02" for decimal inches, whole inches for fractions, whole millimeters. Written without
// the C library, whose decimal mark follows the system's locale.
std::string formatMeasurement(std::int64_t steps, measure::Unit unit)
{
    if (unit != measure::Unit::InchesDecimal) return digitsOf(steps);
    const std::int64_t hundredths = steps % 100;
    return digitsOf(steps / 100) + (hundredths < 10 ? ".0" : ".") + digitsOf(hundredths);
}

}  // namespace

Drawing prepareDrawing(std::string_view text, measure::Unit unit, Screen screen)
{
    return prepareDrawing(measure::convertMeasurement(text, unit, screen.twipsPerPixelX), unit,
                          screen);
}

Drawing prepareDrawing(const measure::Conversion& conversion, std::optional<measure::Unit> unit,
                       Screen screen, ControlRoom room)
{
    Drawing drawing{conversion, std::nullopt};
    if (conversion.status == measure::Conversion::Status::Ok && unit)
        drawing.plan = planPattern(conversion.M, screen, measure::unitSystemOf(*unit), room);
    return drawing;
}

std::string largestMeasurementText(measure::Unit unit, Screen screen)
{
    // Bisection over whole steps of the shown precision (hundredths of an inch, inches,
    // millimeters): drawability only shrinks as the measurement grows.
    std::int64_t low = 1;
    std::int64_t high = 1'000'000'000;
    if (!drawable(formatMeasurement(low, unit), unit, screen)) return {};
    while (high - low > 1) {
        const std::int64_t middle = (low + high) / 2;
        if (drawable(formatMeasurement(middle, unit), unit, screen))
            low = middle;
        else
            high = middle;
    }
    return formatMeasurement(low, unit);
}

}  // namespace tavrel::pattern
