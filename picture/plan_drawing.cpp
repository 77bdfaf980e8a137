#include "picture/plan_drawing.h"

namespace tavrel::picture {

void drawPlan(const pattern::PatternPlan& plan,
              const std::function<void(const pattern::LineOp&)>& line,
              const std::function<void(const pattern::ArcOp&)>& arc)
{
    for (const pattern::Operation& op : plan.figure) {
        if (const auto* l = std::get_if<pattern::LineOp>(&op))
            line(*l);
        else
            arc(std::get<pattern::ArcOp>(op));
    }
    for (const pattern::LineOp& tick : plan.ruler) line(tick);
}

}  // namespace tavrel::picture
