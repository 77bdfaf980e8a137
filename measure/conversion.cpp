#include "measure/conversion.h"

#include "measure/physical_units.h"
#include "measure/rounding.h"
#include "measure/text_readings.h"

#include <cmath>
#include <optional>

namespace tavrel::measure {
namespace {

constexpr double kBaseLengthFactor = 0.75;

struct Pixels {
    bool tooLarge = false;
    double value = 0.0;
};

Pixels fractionsToPixels(std::string_view text, double tpp)
{
    std::int32_t whole = 0;
    float fraction = 0.0f;
    if (!containsChar(text, '/')) {
        // splitAt gives no piece for the empty text; piece 0 is then empty as well.
        const auto pieces = splitAt(text, ' ');
        const auto rounded = roundToInt32(numericPrefix(pieces.empty() ? "" : pieces[0]));
        if (!rounded) return {true, 0.0};
        whole = *rounded;
    } else if (!containsChar(text, ' ')) {
        fraction = ParseFraction(text);
    } else {
        const auto pieces = splitAt(text, ' ');
        const auto rounded = roundToInt32(numericPrefix(pieces[0]));
        if (!rounded) return {true, 0.0};
        whole = *rounded;
        fraction = ParseFraction(pieces[1]);
    }
    return {false, (static_cast<double>(fraction) + whole) * kTwipsPerInch / tpp};
}

}  // namespace

float ParseFraction(std::string_view text)
{
    const auto pieces = splitAt(text, '/');
    if (pieces.size() < 2) return 0.0f;
    const double denominator = numericPrefix(trimSpaces(pieces[1]));
    const double numerator = numericPrefix(trimSpaces(pieces[0]));
    if (denominator == 0.0) return 0.0f;
    return toSingle(numerator / denominator).value_or(0.0f);
}

Conversion convertMeasurement(std::string_view text, std::optional<Unit> unit, float twipsPerPixelX)
{
    if (!unit) return {};
    const double tpp = twipsPerPixelX;
    Pixels pixels;
    switch (*unit) {
        case Unit::InchesDecimal:
            pixels.value = numericPrefix(text) * kTwipsPerInch / tpp;
            break;
        case Unit::InchesFractions:
            pixels = fractionsToPixels(text, tpp);
            break;
        case Unit::Millimeter: {
            const auto value = strictReading(text);
            if (!value) return {};
            pixels.value = *value / kMillimetersPerInch * kTwipsPerInch / tpp;
            break;
        }
    }

    const auto storedPixels = pixels.tooLarge ? std::nullopt : toSingle(pixels.value);
    const auto M = storedPixels ? toSingle(*storedPixels * kBaseLengthFactor) : std::nullopt;
    if (!M) return {Conversion::Status::TooLarge, 0.0f, 0.0f};
    const auto status = *M == 0.0f ? Conversion::Status::NothingToDraw : Conversion::Status::Ok;
    return {status, *storedPixels, *M};
}

}  // namespace tavrel::measure
