#include "export/pattern_layers.h"

#include "picture/pattern_image.h"

namespace tavrel::exporting {

PatternLayers patternLayers(const pattern::PatternPlan& plan)
{
    // The picture holds one shape for each operation, the figure's first and the ruler's after.
    const picture::PersistentImage image = picture::patternImage(plan);
    const auto rulerStart = image.shapes.begin() + std::ptrdiff_t(plan.figure.size());
    return {image.size, {image.shapes.begin(), rulerStart}, {rulerStart, image.shapes.end()}};
}

}  // namespace tavrel::exporting
