#pragma once
// The pattern as the projector lays it on the table: its figure as fine polylines, mirrored for
// the fabric's wrong side or the second of a pair, turned by quarter turns, and moved in small
// steps. Lengths stay as they are: only the figure's place and side change.

#include "measure/unit.h"
#include "pattern/pattern_plan.h"
#include "pattern/shapes.h"

#include <vector>

namespace tavrel::projection {

using pattern::Point;
using Polyline = std::vector<Point>;

// The figure's lines and arcs in picture pixels, arcs as chords of at most `stepPixels`: fine
// enough that a perspective or a bend draws them true. Within the picture, as the window shows
// them; the ruler below the figure is left out: the projector draws its own, never mirrored.
std::vector<Polyline> figurePolylines(const pattern::PatternPlan& plan, double stepPixels);
// The same of a picture's shapes, whose first `figureShapes` are the figure's.
std::vector<Polyline> figurePolylines(const std::vector<pattern::Shape>& shapes,
                                      size_t figureShapes, pattern::PixelSize picture,
                                      double stepPixels);
// Every picture of a pattern draws the figure's twelve operations first, then the ruler.
inline constexpr size_t kFigureShapes = 12;

// The parts of the polylines within the rectangle from `topLeft` through `bottomRight`.
std::vector<Polyline> clipped(const std::vector<Polyline>& polylines, Point topLeft,
                              Point bottomRight);

struct Placement {
    bool mirrorAcross = false;  // left and right swapped
    bool mirrorDown = false;    // top and bottom swapped
    int quarterTurns = 0;       // clockwise, 0 to 3
    Point offsetInches;         // moved with the arrow keys
};

// A point of the pattern, in inches from its top-left corner with the pattern `size` inches
// large, where the placement puts it on the table. The pattern turned or mirrored keeps its
// top-left corner where it was, then moves by the offset.
Point placedPoint(const Placement& placement, Point patternInches, Point size);
// The pattern's size once turned.
Point placedSize(const Placement& placement, Point size);

// One step of the arrow keys: 1/16 in or 1 mm, with Shift 1 in or 25 mm.
double moveStepInches(measure::UnitSystem units, bool coarse);

}  // namespace tavrel::projection
