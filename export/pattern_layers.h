#pragma once
// The picture of a pattern in two parts: the figure, which a cutter cuts, and the check ruler,
// which it draws or leaves out.

#include "pattern/pattern_plan.h"
#include "picture/persistent_image.h"

#include <vector>

namespace tavrel::exporting {

struct PatternLayers {
    QSize size;  // the picture's, in pixels
    std::vector<picture::Shape> figure;
    std::vector<picture::Shape> ruler;
};

// The same shapes the window draws for the plan.
PatternLayers patternLayers(const pattern::PatternPlan& plan);

}  // namespace tavrel::exporting
