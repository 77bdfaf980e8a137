#include "measure/text_readings.h"

#include "measure/decimal_chars.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tavrel::measure {
namespace {

// A carriage return is not a blank: it ends a number, so "1\r2" pasted with Windows line
// endings reads as 1, not 12.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Converts "digits[.digits]" exactly (correctly rounded, locale-free). from_chars leaves the
// value alone on overflow and underflow, so those are told apart by the integer digits.
double decimalValue(const std::string& number)
{
    double value = 0.0;
    const auto [end, error] = decimal_chars::from_chars(
        number.data(), number.data() + number.size(), value, decimal_chars::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        const bool hasNonZeroWholeDigit =
            number.find_first_not_of("0.") < number.find('.');
        return hasNonZeroWholeDigit ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return error == std::errc() ? value : 0.0;
}

}  // namespace

double numericPrefix(std::string_view text)
{
    std::string number;
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : text) {
        if (isBlank(c)) continue;
        if (isDigit(c)) {
            number += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    if (number.front() == '.') number.insert(number.begin(), '0');
    return decimalValue(number);
}

std::optional<double> strictReading(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : text) {
        if (isDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    std::string number(text);
    if (number.front() == '.') number.insert(number.begin(), '0');
    return decimalValue(number);
}

std::vector<std::string_view> splitAt(std::string_view text, char delimiter)
{
    std::vector<std::string_view> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool containsChar(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

}  // namespace tavrel::measure
