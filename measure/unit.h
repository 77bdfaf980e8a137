#pragma once
// The unit a measurement is typed in: the three choices of the window, in their order.

#include <optional>

namespace tavrel::measure {

enum class Unit { InchesDecimal, InchesFractions, Millimeter };

// The unit of the window's choice at this index (0, 1, 2); nullopt for any other index.
constexpr std::optional<Unit> unitAt(int index)
{
    if (index < 0 || index > 2) return std::nullopt;
    return static_cast<Unit>(index);
}

}  // namespace tavrel::measure
