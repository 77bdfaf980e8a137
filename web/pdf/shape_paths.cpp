#include "web/pdf/shape_paths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::web {
namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// Counter-clockwise as seen on screen, y growing downwards.
void addArc(PdfContent& content, const pattern::ScaledArc& arc)
{
    const double cx = arc.box.centre().x, cy = arc.box.centre().y;
    const double rx = arc.box.width / 2, ry = arc.box.height / 2;
    const auto point = [&](double degrees) {
        return pattern::Point{cx + rx * std::cos(radians(degrees)),
                              cy - ry * std::sin(radians(degrees))};
    };
    const double end = arc.startDegrees + arc.sweepDegrees;
    const pattern::Point start = point(arc.startDegrees);
    content.moveTo(start.x, start.y);
    for (double from = arc.startDegrees; from < end;) {
        const double to = std::min(end, (std::floor(from / 90) + 1) * 90);
        // The control points' distance along the tangents that follows the circle closest.
        const double k = 4.0 / 3 * std::tan(radians(to - from) / 4);
        const pattern::Point p0 = point(from), p3 = point(to);
        const double s0 = std::sin(radians(from)), c0 = std::cos(radians(from));
        const double s1 = std::sin(radians(to)), c1 = std::cos(radians(to));
        content.curveTo(p0.x - k * rx * s0, p0.y - k * ry * c0, p3.x + k * rx * s1,
                        p3.y + k * ry * c1, p3.x, p3.y);
        from = to;
    }
}

// Whether the box around a stroke, widened by a pixel for the pen, reaches into the window.
bool mayShow(double left, double top, double right, double bottom, const PixelWindow& window)
{
    return std::min(left, right) - 1 <= window.right && std::max(left, right) + 1 >= window.left &&
           std::min(top, bottom) - 1 <= window.bottom && std::max(top, bottom) + 1 >= window.top;
}

bool mayShow(const pattern::ScaledArc& arc, const PixelWindow& window)
{
    return mayShow(arc.box.left, arc.box.top, arc.box.left + arc.box.width,
                   arc.box.top + arc.box.height, window);
}

}  // namespace

void strokeShapes(PdfContent& content, const std::vector<pattern::Shape>& shapes,
                  pattern::PixelSize picture, const PixelWindow& window)
{
    for (const pattern::Shape& shape : shapes) {
        if (const auto* line = std::get_if<pattern::LineShape>(&shape)) {
            const pattern::Segment s = pattern::scaledLine(*line, picture);
            if (!mayShow(s.x1, s.y1, s.x2, s.y2, window)) continue;
            content.moveTo(s.x1, s.y1);
            content.lineTo(s.x2, s.y2);
        } else {
            const auto* arc = std::get_if<pattern::ArcShape>(&shape);
            const pattern::ScaledArc scaled =
                arc ? pattern::scaledArc(*arc)
                    : pattern::scaledArc(std::get<pattern::EllipseShape>(shape));
            if (mayShow(scaled, window)) addArc(content, scaled);
        }
    }
    content.stroke();
}

}  // namespace tavrel::web
