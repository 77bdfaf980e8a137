#include "measure/typed_text.h"

#include <algorithm>

namespace tavrel::measure {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool commaMayGroupThousands(std::string_view text)
{
    for (std::size_t comma = text.find(','); comma != std::string_view::npos;
         comma = text.find(',', comma + 1)) {
        const std::string_view after = text.substr(comma + 1);
        if (std::find_if_not(after.begin(), after.end(), isDigit) - after.begin() == 3) return true;
    }
    return false;
}

bool couldBeTyped(std::string_view text, Unit unit)
{
    const bool fractions = unit == Unit::InchesFractions;
    int points = 0, slashes = 0, blanks = 0;
    for (const char c : text) {
        if (isDigit(c)) continue;
        if (c == '.')
            ++points;
        else if (c == '/' && fractions)
            ++slashes;
        else if (c == ' ' && fractions)
            ++blanks;
        else
            return false;
    }
    return points <= 1 && slashes <= 1 && blanks <= 1;
}

std::optional<std::string> asTypedInBox(std::string_view text, Unit unit)
{
    std::string typed(text);
    if (const std::size_t comma = typed.find(','); comma != std::string::npos) {
        if (typed.find(',', comma + 1) != std::string::npos ||
            typed.find('.') != std::string::npos || commaMayGroupThousands(typed))
            return std::nullopt;
        typed[comma] = '.';
    }
    if (!couldBeTyped(typed, unit)) return std::nullopt;
    return typed;
}

}  // namespace tavrel::measure
