#pragma once
// The shapes a plan leaves on the drawing surface (lines, arcs and whole circles with their
// exact arguments) and the geometry of their strokes one picture pixel wide, as plain values:
// the screen, paper and every file format draw these same shapes.

#include "pattern/pattern_plan.h"

#include <variant>
#include <vector>

namespace tavrel::pattern {

// A straight line; both end points are drawn.
struct LineShape {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The part of the circle inscribed in the box between the rays from its centre through the
// start and the end point, counter-clockwise; the whole outline when the two rays coincide.
struct ArcShape {
    int left = 0, top = 0, right = 0, bottom = 0;
    int xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;
};

// The whole outline of the circle inscribed in the box.
struct EllipseShape {
    int left = 0, top = 0, right = 0, bottom = 0;
};

using Shape = std::variant<LineShape, ArcShape, EllipseShape>;

// One for each of the figure's operations, then one for each of the ruler's ticks: what the
// window draws for the plan, in its order.
std::vector<Shape> shapesOfPlan(const PatternPlan& plan);

// Plain geometry in picture pixels, y growing downwards.
struct PixelSize {
    int width = 0, height = 0;
};
struct Point {
    double x = 0, y = 0;
};
struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct Box {
    double left = 0, top = 0, width = 0, height = 0;
    Point centre() const { return {left + width / 2, top + height / 2}; }
};

// The circle inscribed in `box` from `startDegrees` through `sweepDegrees`, counter-clockwise as
// seen on screen (a sweep of 360 for a whole outline).
struct ScaledArc {
    Box box;
    double startDegrees = 0;
    double sweepDegrees = 360;
};

// The box from corner to corner, whichever way round they are given.
Box cornerBox(int left, int top, int right, int bottom);
// The box a stroke one picture pixel wide is centred on: one pixel smaller than the shape's.
Box outlineBox(int left, int top, int right, int bottom);
// The arc's rays turned into angles on `box`.
ScaledArc arcOn(const Box& box, const ArcShape& arc);

// The strokes one picture pixel wide as geometry, before the half pixel's shift that puts them
// over the screen's pixels: a line's end points, or an arc on its outline box.
Segment scaledLine(const LineShape& line, PixelSize picture);
ScaledArc scaledArc(const ArcShape& arc);
ScaledArc scaledArc(const EllipseShape& ellipse);

}  // namespace tavrel::pattern
