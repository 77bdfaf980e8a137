#pragma once
// The one way from a plan to a picture, shared by the window and every export: the figure's
// lines and arcs, then the ruler's ticks, in their order.

#include "pattern/pattern_plan.h"

#include <functional>

namespace tavrel::picture {

void drawPlan(const pattern::PatternPlan& plan,
              const std::function<void(const pattern::LineOp&)>& line,
              const std::function<void(const pattern::ArcOp&)>& arc);

}  // namespace tavrel::picture
