#pragma once
// The pattern as the desktop's SVG file, byte for byte, written without Qt for the browser: true
// size in millimeters, no background, the figure in black in the group "figure" and the check
// ruler in blue in the group "ruler", as stroked paths trimmed at the picture's edge.

#include "measure/unit.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::web {

// The document's title and description, in the page's language.
struct SvgTitles {
    std::string title = "Tavrel pattern";
    std::string description = "A flat cutting pattern at true size, in millimeters.";
};

// The file for the text typed in the unit, drawn for a screen of `dotsPerInch`; nullopt when the
// text draws nothing.
std::optional<std::string> svgFile(std::string_view measurement, measure::Unit unit,
                                   int dotsPerInch, const SvgTitles& titles = {});

}  // namespace tavrel::web
