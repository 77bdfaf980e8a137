#include "projector/check_overlay.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace tavrel::projector {
namespace {

// The first multiple of `step` past `corner` at or left of `from`, so that lines fall on the
// pattern's units wherever the view starts.
double firstLine(double from, double corner, double step)
{
    return corner + std::floor((from - corner) / step) * step;
}

}  // namespace

void drawGrid(QPainter& painter, const QRect& view, const QPoint& patternCorner, double unitPixels)
{
    for (double x = firstLine(view.left(), patternCorner.x(), unitPixels); x <= view.right();
         x += unitPixels) {
        const int column = static_cast<int>(std::lround(x));
        painter.drawLine(column, view.top(), column, view.bottom());
    }
    for (double y = firstLine(view.top(), patternCorner.y(), unitPixels); y <= view.bottom();
         y += unitPixels) {
        const int row = static_cast<int>(std::lround(y));
        painter.drawLine(view.left(), row, view.right(), row);
    }
}

void drawCheckRuler(QPainter& painter, const QRect& view, double unitPixels)
{
    const int units =
        std::min(10, static_cast<int>((view.width() - 2 * kCheckRulerMargin) / unitPixels));
    if (units < 1) return;
    const int left = view.left() + kCheckRulerMargin;
    const int top = view.top() + kCheckRulerMargin;
    const int base = top + kCheckRulerTick;
    for (int i = 0; i <= units; ++i) {
        const int x = left + static_cast<int>(std::lround(i * unitPixels));
        painter.drawLine(x, top, x, base);
    }
    painter.drawLine(left, base, left + static_cast<int>(std::lround(units * unitPixels)), base);
}

}  // namespace tavrel::projector
