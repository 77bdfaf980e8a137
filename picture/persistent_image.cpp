#include "picture/persistent_image.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tavrel::picture {
namespace {

QRectF boxOf(int left, int top, int right, int bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRectF rectOf(const pattern::Box& box)
{
    return QRectF(box.left, box.top, box.width, box.height);
}

// The box an outline is drawn on: the shape's own for a cosmetic pen, one pixel smaller for a
// scaled stroke (see pattern::outlineBox).
pattern::Box outlineBox(int left, int top, int right, int bottom, LineWidth width)
{
    if (width == LineWidth::OneDevicePixel) return pattern::cornerBox(left, top, right, bottom);
    return pattern::outlineBox(left, top, right, bottom);
}

QLineF lineOf(const LineShape& line, LineWidth width, QSize picture)
{
    if (width == LineWidth::OneDevicePixel) return QLineF(line.x1, line.y1, line.x2, line.y2);
    const pattern::Segment s = pattern::scaledLine(line, pixelSize(picture));
    return QLineF(s.x1, s.y1, s.x2, s.y2);
}

QPainterPath arcPath(const ArcShape& arc, LineWidth width)
{
    const pattern::ScaledArc a =
        pattern::arcOn(outlineBox(arc.left, arc.top, arc.right, arc.bottom, width), arc);
    QPainterPath path;
    path.arcMoveTo(rectOf(a.box), a.startDegrees);
    path.arcTo(rectOf(a.box), a.startDegrees, a.sweepDegrees);
    return path;
}

bool mayTouch(const QRectF& bounds, const QRectF& area, double slack)
{
    // Slack for the pen on every side.
    return bounds.normalized().adjusted(-slack, -slack, slack, slack).intersects(area);
}

// Picture pixels beside a shape that its pen may ink: one, or half a wide device-pixel pen.
double penSlack(const QPainter& painter, LineWidth width, int devicePixels)
{
    const double scale = painter.transform().m11();
    if (width == LineWidth::OnePicturePixel || scale <= 0) return 1;
    return std::max(1.0, devicePixels / scale);
}

}  // namespace

QPainterPath scaledOutline(const Shape& shape, QSize picture)
{
    constexpr LineWidth scaled = LineWidth::OnePicturePixel;
    QPainterPath path;
    if (const auto* line = std::get_if<LineShape>(&shape)) {
        const QLineF l = lineOf(*line, scaled, picture);
        path.moveTo(l.p1());
        path.lineTo(l.p2());
    } else if (const auto* arc = std::get_if<ArcShape>(&shape)) {
        path = arcPath(*arc, scaled);
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape)) {
        path.addEllipse(rectOf(pattern::scaledArc(*ellipse).box));
    }
    return path;
}

void replay(const PersistentImage& image, QPainter& painter, const QRectF& area, LineWidth width,
            Background background, int devicePixels)
{
    painter.save();
    if (background == Background::Fill) painter.fillRect(area, image.background);
    QPen pen(image.foreground);
    pen.setCapStyle(Qt::SquareCap);
    if (width == LineWidth::OneDevicePixel) {
        pen.setCosmetic(true);
        pen.setWidth(devicePixels);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        pen.setCosmetic(false);
        pen.setWidthF(1.0);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);  // a whole circle is an outline
    const double slack = penSlack(painter, width, devicePixels);
    painter.setClipRect(area, Qt::IntersectClip);
    // Picture pixel (x, y) is the square from (x, y) to (x + 1, y + 1), and the screen lights the
    // pixels right of and below a line's points. A scaled one-pixel stroke is centred on its
    // points, so half a pixel's shift puts it over exactly those pixels on paper and in vectors.
    if (width == LineWidth::OnePicturePixel) painter.translate(0.5, 0.5);

    for (const Shape& shape : image.shapes) {
        if (const auto* line = std::get_if<LineShape>(&shape)) {
            const QLineF l = lineOf(*line, width, image.size);
            if (mayTouch(QRectF(l.p1(), l.p2()), area, slack)) painter.drawLine(l);
        } else if (const auto* arc = std::get_if<ArcShape>(&shape)) {
            if (mayTouch(boxOf(arc->left, arc->top, arc->right, arc->bottom), area, slack))
                painter.drawPath(arcPath(*arc, width));
        } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape)) {
            const QRectF box = boxOf(ellipse->left, ellipse->top, ellipse->right, ellipse->bottom);
            if (!mayTouch(box, area, slack)) continue;
            painter.drawEllipse(rectOf(outlineBox(ellipse->left, ellipse->top, ellipse->right,
                                                  ellipse->bottom, width)));
        }
    }
    painter.restore();
}

}  // namespace tavrel::picture
