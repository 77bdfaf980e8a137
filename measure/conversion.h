#pragma once
// From the entered text, read in the chosen unit, to the base length M: 0.75 times the
// measurement in screen pixels. Pure: the screen's twips per pixel is passed in.

#include "measure/unit.h"

#include <optional>
#include <string_view>

namespace tavrel::measure {

struct Conversion {
    enum class Status {
        Ok,             // M is finite and above 0
        NothingToDraw,  // M is 0, or the text cannot be read in this unit at all
        TooLarge,       // a value left the 32-bit or single-precision range
    };
    Status status = Status::NothingToDraw;
    float pixels = 0.0f;  // the measurement in screen pixels (valid unless TooLarge)
    float M = 0.0f;       // the base length (valid unless TooLarge)

    bool operator==(const Conversion&) const = default;
};

// Numerator over denominator of "a/b", each piece trimmed; 0 whenever that cannot be formed
// (no "/", a zero denominator, a result beyond single precision).
float ParseFraction(std::string_view text);

// Without a unit nothing is converted: NothingToDraw.
Conversion convertMeasurement(std::string_view text, std::optional<Unit> unit,
                              float twipsPerPixelX);

}  // namespace tavrel::measure
