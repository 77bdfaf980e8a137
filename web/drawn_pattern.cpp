#include "web/drawn_pattern.h"

#include "measure/physical_units.h"
#include "pattern/drawing.h"
#include "pattern/trimmed_outline.h"

#include <algorithm>
#include <cmath>

namespace tavrel::web {
namespace {

bool anyInside(const std::vector<pattern::Shape>& shapes, pattern::PixelSize picture)
{
    return std::any_of(shapes.begin(), shapes.end(), [&](const pattern::Shape& shape) {
        return !pattern::trimmedOutline(shape, picture).empty();
    });
}

}  // namespace

std::optional<DrawnPattern> drawnPattern(std::string_view measurement, measure::Unit unit,
                                         int dotsPerInch)
{
    const float twipsPerPixel = measure::twipsPerPixelForDpi(dotsPerInch);
    const pattern::Drawing drawing =
        pattern::prepareDrawing(measurement, unit, {twipsPerPixel, twipsPerPixel});
    if (!drawing.plan) return std::nullopt;
    const pattern::PatternPlan& plan = *drawing.plan;
    std::vector<pattern::Shape> shapes = pattern::shapesOfPlan(plan);
    const auto rulerStart = shapes.begin() + std::ptrdiff_t(plan.figure.size());
    DrawnPattern drawn{{plan.pictureWidth, plan.pictureHeight},
                       {shapes.begin(), rulerStart},
                       {rulerStart, shapes.end()},
                       int(std::lround(measure::kTwipsPerInch / twipsPerPixel)),
                       measure::unitSystemOf(unit)};
    if (!anyInside(shapes, drawn.size)) return std::nullopt;
    return drawn;
}

}  // namespace tavrel::web
