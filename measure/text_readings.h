#pragma once
// The number and text services that the measurement conversion is built on. Their quirks
// are deliberate: the worked values of every unit depend on them.

#include <optional>
#include <string_view>
#include <vector>

namespace tavrel::measure {

// Reads the longest leading decimal number (digits with at most one '.'), skipping blanks
// (space, tab, line feed; a carriage return is no blank) wherever they stand. No sign, no
// exponent. A text without a leading digit reads as 0. Never fails: a number beyond double
// range reads as infinity.
double numericPrefix(std::string_view text);

// The whole text, the same blanks at either end aside, must be one decimal number; '.' may
// begin or end it. Anything else (no digit, a sign, an inner blank, a letter) gives nullopt.
std::optional<double> strictReading(std::string_view text);

// Cuts at every delimiter, empty pieces included; the empty text has no piece at all.
std::vector<std::string_view> splitAt(std::string_view text, char delimiter);

// Removes leading and trailing space characters only (not tabs).
std::string_view trimSpaces(std::string_view text);

bool containsChar(std::string_view text, char c);

}  // namespace tavrel::measure
