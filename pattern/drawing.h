#pragma once
// From the entered text to a plan for the picture, or the reason there is none, and the
// largest measurement a unit can draw (for the message that refuses a larger one).

#include "measure/conversion.h"
#include "pattern/pattern_plan.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::pattern {

struct Drawing {
    measure::Conversion conversion;
    std::optional<PatternPlan> plan;  // set only when the conversion is Ok and M can be drawn

    bool tooLarge() const
    {
        return conversion.status == measure::Conversion::Status::TooLarge ||
               (conversion.status == measure::Conversion::Status::Ok && !plan);
    }
    bool nothingToDraw() const
    {
        return conversion.status == measure::Conversion::Status::NothingToDraw;
    }
};

Drawing prepareDrawing(std::string_view text, measure::Unit unit, Screen screen);
// From a conversion already made, for a picture below controls that leave it `room`.
Drawing prepareDrawing(const measure::Conversion& conversion, std::optional<measure::Unit> unit,
                       Screen screen, ControlRoom room = {});

// The largest measurement the unit draws, as a user would type it ("91.02"), rounded down so
// that the text itself is accepted.
std::string largestMeasurementText(measure::Unit unit, Screen screen);

}  // namespace tavrel::pattern
