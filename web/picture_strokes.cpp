#include "web/picture_strokes.h"

#include "pattern/shapes.h"

namespace tavrel::web {
namespace {

void addArc(PictureStrokes& strokes, const pattern::ScaledArc& arc)
{
    const pattern::Point centre = arc.box.centre();
    strokes.arcs.insert(strokes.arcs.end(), {centre.x, centre.y, arc.box.width / 2,
                                             arc.box.height / 2, arc.startDegrees, arc.sweepDegrees});
}

}  // namespace

// The strokes one picture pixel wide that paper and files draw, which cover the pixels the
// window lights.
PictureStrokes strokesOf(const pattern::PatternPlan& plan)
{
    PictureStrokes strokes;
    const pattern::PixelSize picture{plan.pictureWidth, plan.pictureHeight};
    for (const pattern::Shape& shape : pattern::shapesOfPlan(plan)) {
        if (const auto* line = std::get_if<pattern::LineShape>(&shape)) {
            const pattern::Segment s = pattern::scaledLine(*line, picture);
            strokes.lines.insert(strokes.lines.end(), {s.x1, s.y1, s.x2, s.y2});
        } else if (const auto* arc = std::get_if<pattern::ArcShape>(&shape)) {
            addArc(strokes, pattern::scaledArc(*arc));
        } else if (const auto* ellipse = std::get_if<pattern::EllipseShape>(&shape)) {
            addArc(strokes, pattern::scaledArc(*ellipse));
        }
    }
    return strokes;
}

}  // namespace tavrel::web
