#include "projector/check_overlay.h"

#include <QPainter>
#include <QRect>

namespace tavrel::projector {
namespace {

pattern::ScreenArea areaOf(const QRect& view)
{
    return {view.left(), view.top(), view.right(), view.bottom()};
}

void drawLines(QPainter& painter, const std::vector<pattern::ScreenLine>& lines)
{
    for (const pattern::ScreenLine& line : lines)
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
}

}  // namespace

void drawGrid(QPainter& painter, const QRect& view, const QPoint& patternCorner, double unitPixels)
{
    drawLines(painter,
              pattern::gridLines(areaOf(view), patternCorner.x(), patternCorner.y(), unitPixels));
}

void drawCheckRuler(QPainter& painter, const QRect& view, double unitPixels)
{
    drawLines(painter, pattern::checkRulerLines(areaOf(view), unitPixels));
}

}  // namespace tavrel::projector
