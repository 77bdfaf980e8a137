#pragma once
// The persistent picture a plan leaves on the drawing surface, built without a window: the
// command-line export and the tests use it to get exactly what the window draws.

#include "pattern/pattern_plan.h"
#include "picture/persistent_image.h"

namespace tavrel::picture {

PersistentImage patternImage(const pattern::PatternPlan& plan);

}  // namespace tavrel::picture
