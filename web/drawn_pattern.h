#pragma once
// A measurement drawn as the desktop's export draws it, for the browser's file writers: the
// picture's size, its shapes as the figure and the ruler, and the units the files record.

#include "measure/unit.h"
#include "pattern/shapes.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavrel::web {

struct DrawnPattern {
    pattern::PixelSize size;
    std::vector<pattern::Shape> figure;
    std::vector<pattern::Shape> ruler;
    int dotsPerInch = 96;  // whole, as the files record it
    measure::UnitSystem units = measure::UnitSystem::Inch;
};

// The text read as the entry box reads it, for a screen of `dotsPerInch`. Nullopt when it gives
// no file: too large to draw, no measurement above 0, or a picture without any line inside it.
std::optional<DrawnPattern> drawnPattern(std::string_view measurement, measure::Unit unit,
                                         int dotsPerInch);

}  // namespace tavrel::web
