#include "projection/rectangle_size.h"

#include "measure/typed_length.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace tavrel::projection {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool endsWith(std::string_view text, std::string_view end)
{
    if (text.size() < end.size()) return false;
    return std::equal(end.begin(), end.end(), text.end() - end.size(), [](char word, char typed) {
        return std::tolower(static_cast<unsigned char>(typed)) == word;
    });
}

}  // namespace

std::optional<RectangleSize> readRectangleSize(std::string_view text, measure::UnitSystem units)
{
    std::string typed(trimmed(text));
    std::replace(typed.begin(), typed.end(), ',', '.');
    std::string_view rest = typed;
    // The unit's word, longest first so that "inches" is not read as "in" with "ches" left.
    constexpr std::array<std::pair<std::string_view, measure::UnitSystem>, 5> words = {
        {{"inches", measure::UnitSystem::Inch},
         {"inch", measure::UnitSystem::Inch},
         {"in", measure::UnitSystem::Inch},
         {"\"", measure::UnitSystem::Inch},
         {"mm", measure::UnitSystem::Metric}}};
    for (const auto& [word, named] : words)
        if (endsWith(rest, word)) {
            rest = trimmed(rest.substr(0, rest.size() - word.size()));
            units = named;
            break;
        }
    // "×" is two bytes in UTF-8.
    size_t times = rest.find("\xC3\x97");
    size_t timesLength = 2;
    if (times == std::string_view::npos) {
        times = rest.find_first_of("xX");
        timesLength = 1;
    }
    if (times == std::string_view::npos) return std::nullopt;
    const auto width = measure::readTypedInches(trimmed(rest.substr(0, times)), units);
    const auto height = measure::readTypedInches(trimmed(rest.substr(times + timesLength)), units);
    if (!width || !height) return std::nullopt;
    return RectangleSize{*width, *height, units};
}

}  // namespace tavrel::projection
