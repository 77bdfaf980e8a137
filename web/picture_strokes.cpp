#include "web/picture_strokes.h"

#include <cmath>
#include <numbers>

namespace tavrel::web {
namespace {

void addLine(PictureStrokes& strokes, const pattern::LineOp& line)
{
    strokes.lines.insert(strokes.lines.end(), {line.x1, line.y1, line.x2, line.y2});
}

// The ray from the centre through (x, y), in degrees counter-clockwise from the right as seen on
// screen, where y grows downwards.
double rayDegrees(double centreX, double centreY, int x, int y)
{
    if (x == centreX && y == centreY) return 0;
    return std::atan2(centreY - y, x - centreX) * 180.0 / std::numbers::pi;
}

void addArc(PictureStrokes& strokes, const pattern::ArcCall& call)
{
    const double centreX = (call.left + call.right) / 2.0;
    const double centreY = (call.top + call.bottom) / 2.0;
    double start = 0, sweep = 360;
    if (call.kind == pattern::ArcCall::Kind::Arc) {
        start = rayDegrees(centreX, centreY, call.xStart, call.yStart);
        sweep = rayDegrees(centreX, centreY, call.xEnd, call.yEnd) - start;
        while (sweep <= 0) sweep += 360;  // coinciding rays give the whole outline
    }
    strokes.arcs.insert(strokes.arcs.end(),
                        {centreX, centreY, std::abs(call.right - call.left) / 2.0,
                         std::abs(call.bottom - call.top) / 2.0, start, sweep});
}

}  // namespace

PictureStrokes strokesOf(const pattern::PatternPlan& plan)
{
    PictureStrokes strokes;
    for (const pattern::Operation& op : plan.figure) {
        if (const auto* line = std::get_if<pattern::LineOp>(&op))
            addLine(strokes, *line);
        else
            addArc(strokes, std::get<pattern::ArcOp>(op).call);
    }
    for (const pattern::LineOp& tick : plan.ruler) addLine(strokes, tick);
    return strokes;
}

}  // namespace tavrel::web
