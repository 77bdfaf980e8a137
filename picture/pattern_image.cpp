#include "picture/pattern_image.h"

#include "picture/device_context.h"
#include "picture/plan_drawing.h"

namespace tavrel::picture {

PersistentImage patternImage(const pattern::PatternPlan& plan)
{
    PersistentImage image;
    image.size = QSize(plan.pictureWidth, plan.pictureHeight);
    DeviceContext hdc(image);
    drawPlan(
        plan,
        [&](const pattern::LineOp& l) {
            image.shapes.push_back(LineShape{l.x1, l.y1, l.x2, l.y2});
        },
        // The plan has each arc's box and rays already: no need to work them out again.
        [&](const pattern::ArcOp& arc) { drawArcCall(hdc, arc.call); });
    return image;
}

}  // namespace tavrel::picture
