#pragma once
// Which typed characters may enter the measurement box. The tests look at the whole current
// text, never at the caret or the selection.

#include "measure/unit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::measure {

// Returns the character code to let through: keyCode itself, or 0 to discard the key.
// `unit` is the chosen unit, if any.
int filterKey(int keyCode, std::string_view currentText, std::optional<Unit> unit);

// The characters that enter a box holding `text` when `codes` are typed one after another
// between `before` and `after`: each passes filterKey against the text as it is by then. The
// first one let through replaces what `text` holds between `before` and `after` (a selection).
// A Backspace code is a key, not a character of a text: it enters nothing.
std::string filterTypedCharacters(const std::vector<int>& codes, std::string_view text,
                                  std::string_view before, std::string_view after,
                                  std::optional<Unit> unit);

// The first of `codes` that does not enter when they are typed as filterTypedCharacters types
// them, and why; nothing when every one enters.
struct Refusal {
    enum class Why {
        NotTaken,  // the box takes no such character in this unit
        OnlyOne,   // the box holds one already
        NotFirst,  // not into an empty box
    };
    std::size_t index = 0;
    Why why = Why::NotTaken;
};
std::optional<Refusal> firstRefusal(const std::vector<int>& codes, std::string_view text,
                                    std::string_view before, std::string_view after,
                                    std::optional<Unit> unit);

}  // namespace tavrel::measure
