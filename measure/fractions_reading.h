#pragma once
// Whether a text in "Inches (Fractions)" is read as it plainly says. The unit's reading rounds a
// decimal whole part, reads a fraction over 0 as no fraction, and reads nothing after a blank
// that no fraction follows: "2.5" draws 2 inches, "3 1/0" 3 inches, "1/2 " 1 inch.

#include <string_view>

namespace tavrel::measure {

enum class FractionsReading {
    AsWritten,        // a whole number, a fraction, or both with one blank between: "2 1/2"
    WholeRounded,     // the whole part has decimals, which the reading rounds away: "2.5"
    ZeroDenominator,  // a fraction over 0, read as no fraction: "3 1/0", "3 1/"
    Unclear,          // a blank or a slash where no number stands, so a piece is misread: "1 2"
};

FractionsReading readingOfFractions(std::string_view text);

}  // namespace tavrel::measure
