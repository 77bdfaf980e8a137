#include "pattern/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::pattern {
namespace {

// A scaled line's stroke covers v .. v + 1 where the screen lights the pixel floor(v). In the
// picture's last pixel that stroke would reach past the edge and be cut to a sliver, and in the
// pixel before the first it would show a sliver the screen does not: there the coordinate moves
// onto the screen's pixel.
float besideEdges(float v, int size)
{
    const float pixel = std::floor(v);
    return pixel == -1 || pixel == size - 1 ? pixel : v;
}

// Angle of the ray from the box's centre through a point, in degrees counter-clockwise from
// the right as seen on screen (y grows downwards).
double rayAngle(const Box& box, int x, int y)
{
    const Point centre = box.centre();
    if (x == centre.x && y == centre.y) return 0.0;
    return std::atan2(centre.y - y, x - centre.x) * 180.0 / std::numbers::pi;
}

}  // namespace

std::vector<Shape> shapesOfPlan(const PatternPlan& plan)
{
    std::vector<Shape> shapes;
    shapes.reserve(plan.figure.size() + plan.ruler.size());
    const auto line = [&](const LineOp& l) { shapes.push_back(LineShape{l.x1, l.y1, l.x2, l.y2}); };
    for (const Operation& op : plan.figure) {
        if (const auto* l = std::get_if<LineOp>(&op)) {
            line(*l);
            continue;
        }
        const ArcCall& c = std::get<ArcOp>(op).call;
        if (c.kind == ArcCall::Kind::Ellipse)
            shapes.push_back(EllipseShape{c.left, c.top, c.right, c.bottom});
        else
            shapes.push_back(
                ArcShape{c.left, c.top, c.right, c.bottom, c.xStart, c.yStart, c.xEnd, c.yEnd});
    }
    for (const LineOp& tick : plan.ruler) line(tick);
    return shapes;
}

Box cornerBox(int left, int top, int right, int bottom)
{
    return {double(std::min(left, right)), double(std::min(top, bottom)),
            std::abs(double(right) - left), std::abs(double(bottom) - top)};
}

// The screen lights the pixel right of and below each point, so a circle on a box from left to
// right lights the columns left .. right - 1, and the rows likewise. A scaled stroke is centred
// on its path, shifted half a pixel: on a box one pixel smaller it covers those same columns and
// rows, and never crosses the box's right or bottom edge, where the picture's edge may cut it.
Box outlineBox(int left, int top, int right, int bottom)
{
    Box box = cornerBox(left, top, right, bottom);
    if (box.width >= 1) box.width -= 1;
    if (box.height >= 1) box.height -= 1;
    return box;
}

ScaledArc arcOn(const Box& box, const ArcShape& arc)
{
    const double start = rayAngle(box, arc.xStart, arc.yStart);
    double sweep = rayAngle(box, arc.xEnd, arc.yEnd) - start;
    while (sweep <= 0) sweep += 360.0;  // coinciding rays give the whole outline
    return {box, start, sweep};
}

Segment scaledLine(const LineShape& line, PixelSize picture)
{
    return {besideEdges(line.x1, picture.width), besideEdges(line.y1, picture.height),
            besideEdges(line.x2, picture.width), besideEdges(line.y2, picture.height)};
}

ScaledArc scaledArc(const ArcShape& arc)
{
    return arcOn(outlineBox(arc.left, arc.top, arc.right, arc.bottom), arc);
}

ScaledArc scaledArc(const EllipseShape& ellipse)
{
    return {outlineBox(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom)};
}

}  // namespace tavrel::pattern
