#include "picture/persistent_image.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::picture {
namespace {

QRectF boxOf(int left, int top, int right, int bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The box an outline is drawn on. The screen lights the pixel right of and below each point, so
// a circle on a box from left to right lights the columns left .. right - 1, and the rows
// likewise. A scaled stroke is centred on its path, shifted half a pixel: on a box one pixel
// smaller it covers those same columns and rows, and never crosses the box's right or bottom
// edge, where the picture's edge may cut it.
QRectF outlineBox(int left, int top, int right, int bottom, LineWidth width)
{
    const QRectF box = boxOf(left, top, right, bottom).normalized();
    if (width == LineWidth::OneDevicePixel) return box;
    return box.adjusted(0, 0, box.width() >= 1 ? -1 : 0, box.height() >= 1 ? -1 : 0);
}

// A scaled line's stroke covers v .. v + 1 where the screen lights the pixel floor(v). In the
// picture's last pixel that stroke would reach past the edge and be cut to a sliver, and in the
// pixel before the first it would show a sliver the screen does not: there the coordinate moves
// onto the screen's pixel.
float besideEdges(float v, int size)
{
    const float pixel = std::floor(v);
    return pixel == -1 || pixel == size - 1 ? pixel : v;
}

QLineF lineOf(const LineShape& line, LineWidth width, QSize picture)
{
    if (width == LineWidth::OneDevicePixel) return QLineF(line.x1, line.y1, line.x2, line.y2);
    return QLineF(besideEdges(line.x1, picture.width()), besideEdges(line.y1, picture.height()),
                  besideEdges(line.x2, picture.width()), besideEdges(line.y2, picture.height()));
}

// Angle of the ray from the box's centre through a point, in degrees counter-clockwise from
// the right as seen on screen (y grows downwards).
double rayAngle(const QRectF& box, int x, int y)
{
    const QPointF centre = box.center();
    if (x == centre.x() && y == centre.y()) return 0.0;
    return std::atan2(centre.y() - y, x - centre.x()) * 180.0 / std::numbers::pi;
}

ScaledArc arcOn(const QRectF& box, const ArcShape& arc)
{
    const double start = rayAngle(box, arc.xStart, arc.yStart);
    double sweep = rayAngle(box, arc.xEnd, arc.yEnd) - start;
    while (sweep <= 0) sweep += 360.0;  // coinciding rays give the whole outline
    return {box, start, sweep};
}

QPainterPath arcPath(const ArcShape& arc, LineWidth width)
{
    const ScaledArc a = arcOn(outlineBox(arc.left, arc.top, arc.right, arc.bottom, width), arc);
    QPainterPath path;
    path.arcMoveTo(a.box, a.startDegrees);
    path.arcTo(a.box, a.startDegrees, a.sweepDegrees);
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
        const QLineF l = scaledLine(*line, picture);
        path.moveTo(l.p1());
        path.lineTo(l.p2());
    } else if (const auto* arc = std::get_if<ArcShape>(&shape)) {
        path = arcPath(*arc, scaled);
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape)) {
        path.addEllipse(scaledArc(*ellipse).box);
    }
    return path;
}

QLineF scaledLine(const LineShape& line, QSize picture)
{
    return lineOf(line, LineWidth::OnePicturePixel, picture);
}

ScaledArc scaledArc(const ArcShape& arc)
{
    return arcOn(outlineBox(arc.left, arc.top, arc.right, arc.bottom, LineWidth::OnePicturePixel),
                 arc);
}

ScaledArc scaledArc(const EllipseShape& ellipse)
{
    return {outlineBox(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom,
                       LineWidth::OnePicturePixel)};
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
            painter.drawEllipse(outlineBox(ellipse->left, ellipse->top, ellipse->right,
                                           ellipse->bottom, width));
        }
    }
    painter.restore();
}

}  // namespace tavrel::picture
