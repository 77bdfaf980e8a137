#pragma once
// Which typed characters may enter the measurement box. The tests look at the whole current
// text, never at the caret or the selection.

#include <string_view>

namespace tavrel::measure {

// Returns the character code to let through: keyCode itself, or 0 to discard the key.
// selectedUnit is the index of the chosen unit, or -1 when none is chosen.
int filterKey(int keyCode, std::string_view currentText, int selectedUnit);

}  // namespace tavrel::measure
