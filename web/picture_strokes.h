#pragma once
// The picture's strokes as the page's canvas draws them, half a pixel shifted as on paper: the
// figure's and the ruler's lines, and the arcs as their box's centre, its half sizes and the
// angles they run between.

#include "pattern/pattern_plan.h"

#include <vector>

namespace tavrel::web {

struct PictureStrokes {
    std::vector<double> lines;  // x1, y1, x2, y2 of each line, in picture pixels
    // centre x, centre y, half width, half height, start and sweep in degrees counter-clockwise
    // as seen on screen, of each arc; a whole outline sweeps 360
    std::vector<double> arcs;
};

PictureStrokes strokesOf(const pattern::PatternPlan& plan);

}  // namespace tavrel::web
