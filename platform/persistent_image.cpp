#include "persistent_image.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tavrel::platform {
namespace {

QRectF boxOf(int left, int top, int right, int bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Angle of the ray from the box's centre through a point, in degrees counter-clockwise from
// the right as seen on screen (y grows downwards).
double rayAngle(const QRectF& box, int x, int y)
{
    const QPointF centre = box.center();
    if (x == centre.x() && y == centre.y()) return 0.0;
    return std::atan2(centre.y() - y, x - centre.x()) * 180.0 / M_PI;
}

void drawArc(QPainter& painter, const ArcShape& arc)
{
    const QRectF box = boxOf(arc.left, arc.top, arc.right, arc.bottom).normalized();
    const double start = rayAngle(box, arc.xStart, arc.yStart);
    double sweep = rayAngle(box, arc.xEnd, arc.yEnd) - start;
    while (sweep <= 0) sweep += 360.0;  // coinciding rays give the whole outline
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    painter.drawPath(path);
}

bool mayTouch(const QRectF& bounds, const QRectF& area)
{
    // One pixel of slack for the pen on every side.
    return bounds.normalized().adjusted(-1, -1, 1, 1).intersects(area);
}

}  // namespace

void replay(const PersistentImage& image, QPainter& painter, const QRectF& area, LineWidth width)
{
    painter.save();
    painter.fillRect(area, image.background);
    QPen pen(image.foreground);
    pen.setCapStyle(Qt::SquareCap);
    if (width == LineWidth::OneDevicePixel) {
        pen.setCosmetic(true);
        pen.setWidth(1);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        pen.setCosmetic(false);
        pen.setWidthF(1.0);
    }
    painter.setPen(pen);
    painter.setClipRect(area, Qt::IntersectClip);
    // Picture pixel (x, y) is the square from (x, y) to (x + 1, y + 1), and the screen lights the
    // pixels right of and below a line's points. A scaled one-pixel stroke is centred on its
    // points, so half a pixel's shift puts it over exactly those pixels on paper and in vectors.
    if (width == LineWidth::OnePicturePixel) painter.translate(0.5, 0.5);

    for (const Shape& shape : image.shapes) {
        if (const auto* line = std::get_if<LineShape>(&shape)) {
            const QLineF l(line->x1, line->y1, line->x2, line->y2);
            if (mayTouch(QRectF(l.p1(), l.p2()), area)) painter.drawLine(l);
        } else if (const auto* arc = std::get_if<ArcShape>(&shape)) {
            if (mayTouch(boxOf(arc->left, arc->top, arc->right, arc->bottom), area))
                drawArc(painter, *arc);
        } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape)) {
            const QRectF box = boxOf(ellipse->left, ellipse->top, ellipse->right, ellipse->bottom);
            if (!mayTouch(box, area)) continue;
            painter.setBrush(ellipse->filled ? QBrush(image.foreground) : QBrush());
            painter.drawEllipse(box.normalized());
            painter.setBrush(QBrush());
        }
    }
    painter.restore();
}

}  // namespace tavrel::platform
