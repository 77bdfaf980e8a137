#pragma once
// The unit a measurement is typed in: the three choices of the window, in their order; and the
// system of units it belongs to.

#include <optional>

namespace tavrel::measure {

enum class Unit { InchesDecimal, InchesFractions, Millimeter };

// The unit of the window's choice at this index (0, 1, 2); nullopt for any other index.
constexpr std::optional<Unit> unitAt(int index)
{
    if (index < 0 || index > 2) return std::nullopt;
    return static_cast<Unit>(index);
}

// Inches or metric: the ruler beside a pattern (inches, or centimeters beside millimeters), the
// bars of a calibration, the unit a drawing file counts in, the lengths a user types back.
enum class UnitSystem { Inch, Metric };

constexpr UnitSystem unitSystemOf(Unit unit)
{
    return unit == Unit::Millimeter ? UnitSystem::Metric : UnitSystem::Inch;
}

}  // namespace tavrel::measure
