#include "measure/fractions_reading.h"

#include "measure/text_readings.h"

#include <algorithm>

namespace tavrel::measure {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with at most one point, and at least one digit.
bool isNumber(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isDigit) &&
           std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; }) &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

bool hasDecimals(std::string_view number)
{
    const std::size_t point = number.find('.');
    return point != std::string_view::npos &&
           number.find_first_not_of('0', point + 1) != std::string_view::npos;
}

FractionsReading readingOfFraction(std::string_view fraction)
{
    const auto pieces = splitAt(fraction, '/');
    if (pieces.size() != 2 || !isNumber(pieces[0])) return FractionsReading::Unclear;
    if (pieces[1].empty()) return FractionsReading::ZeroDenominator;
    if (!isNumber(pieces[1])) return FractionsReading::Unclear;
    return numericPrefix(pieces[1]) == 0.0 ? FractionsReading::ZeroDenominator
                                           : FractionsReading::AsWritten;
}

FractionsReading readingOfWhole(std::string_view whole)
{
    if (!isNumber(whole)) return FractionsReading::Unclear;
    return hasDecimals(whole) ? FractionsReading::WholeRounded : FractionsReading::AsWritten;
}

}  // namespace

FractionsReading readingOfFractions(std::string_view text)
{
    if (text.empty()) return FractionsReading::AsWritten;
    const auto pieces = splitAt(text, ' ');
    if (pieces.size() > 2) return FractionsReading::Unclear;
    if (pieces.size() == 1)
        return containsChar(text, '/') ? readingOfFraction(text) : readingOfWhole(text);
    // A blank at the end ("3 ") is read as it says; anything else after it must be a fraction.
    const FractionsReading whole = readingOfWhole(pieces[0]);
    if (whole == FractionsReading::Unclear || pieces[1].empty()) return whole;
    const FractionsReading fraction = readingOfFraction(pieces[1]);
    return fraction == FractionsReading::AsWritten ? whole : fraction;
}

}  // namespace tavrel::measure
