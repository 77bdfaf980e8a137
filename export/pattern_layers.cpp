#include "export/pattern_layers.h"

#include "pattern/shapes.h"

namespace tavrel::exporting {

PatternLayers patternLayers(const pattern::PatternPlan& plan)
{
    // One shape for each operation, the figure's first and the ruler's after.
    const std::vector<pattern::Shape> shapes = pattern::shapesOfPlan(plan);
    const auto rulerStart = shapes.begin() + std::ptrdiff_t(plan.figure.size());
    return {QSize(plan.pictureWidth, plan.pictureHeight), {shapes.begin(), rulerStart},
            {rulerStart, shapes.end()}};
}

}  // namespace tavrel::exporting
