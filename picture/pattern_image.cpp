#include "picture/pattern_image.h"


namespace tavrel::picture {

PersistentImage patternImage(const pattern::PatternPlan& plan)
{
    PersistentImage image;
    image.size = QSize(plan.pictureWidth, plan.pictureHeight);
    image.shapes = pattern::shapesOfPlan(plan);
    return image;
}

}  // namespace tavrel::picture
