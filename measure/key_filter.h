#pragma once
// Which typed characters may enter the measurement box. The tests look at the whole current
// text, never at the caret or the selection.

#include "measure/unit.h"

#include <optional>
#include <string_view>

namespace tavrel::measure {

// Returns the character code to let through: keyCode itself, or 0 to discard the key.
// `unit` is the chosen unit, if any.
int filterKey(int keyCode, std::string_view currentText, std::optional<Unit> unit);

}  // namespace tavrel::measure
