#include "measure/typed_length.h"

#include "measure/physical_units.h"
#include "measure/text_readings.h"

#include <vector>

namespace tavrel::measure {
namespace {

std::string_view trimmedWhitespace(std::string_view text)
{
    constexpr std::string_view whitespace = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(whitespace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(whitespace) - first + 1);
}

}  // namespace

std::optional<double> readTypedInches(std::string_view text, UnitSystem units)
{
    const std::string_view trimmed = trimmedWhitespace(text);
    if (units == UnitSystem::Metric) {
        const auto value = strictReading(trimmed);
        return value ? std::optional(*value / kMillimetersPerInch) : std::nullopt;
    }
    if (const auto value = strictReading(trimmed)) return value;
    std::vector<std::string_view> parts;
    for (const std::string_view part : splitAt(trimmed, ' '))
        if (!part.empty()) parts.push_back(part);
    if (parts.empty() || parts.size() > 2) return std::nullopt;
    const auto fraction = splitAt(parts.back(), '/');
    if (fraction.size() != 2) return std::nullopt;
    const auto numerator = strictReading(fraction[0]);
    const auto denominator = strictReading(fraction[1]);
    const auto whole = parts.size() == 2 ? strictReading(parts[0]) : std::optional(0.0);
    if (!numerator || !denominator || !whole || *denominator == 0) return std::nullopt;
    return *whole + *numerator / *denominator;
}

}  // namespace tavrel::measure
