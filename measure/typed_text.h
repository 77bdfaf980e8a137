#pragma once
// Whether a text from outside the window (the command line) could stand in the measurement box
// of a unit, so that it is read as the box would read it or refused, never read as another size.

#include "measure/unit.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::measure {

// Whether typing and editing in the unit's box, through its key filter, can give `text`: digits
// and at most one '.', and in "Inches (Fractions)" at most one '/' and one ' ', in any order,
// as the caret goes anywhere and any character can be deleted again.
bool couldBeTyped(std::string_view text, Unit unit);

// Whether a comma stands before exactly three digits, as in "1,000" or ",500": it may group
// thousands, so reading it as a decimal point could make a measurement a thousand times smaller.
bool commaMayGroupThousands(std::string_view text);

// The text as the unit's box would hold it: `text` itself when it could be typed there, or with
// its comma as the decimal point where the comma cannot be meant otherwise ("2,5", ",5"; not
// "1,000" or ",500", which may group thousands, nor "1,5,0" or "1,5.0"), as the comma key types a
// point where decimals are written with a comma. nullopt for any other text.
std::optional<std::string> asTypedInBox(std::string_view text, Unit unit);

}  // namespace tavrel::measure
