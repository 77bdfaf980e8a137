#include "web/pdf/shape_ink.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::web {
namespace {

// Strokes are centred half a pixel right of and below their points, over the screen's pixels.
constexpr double kShift = 0.5;
constexpr double kHalfWidth = 0.5;

struct Circle {
    pattern::Point centre;
    double radius = 0;
    double startDegrees = 0, sweepDegrees = 360;

    pattern::Point at(double degrees) const
    {
        const double radians = degrees * std::numbers::pi / 180;
        return {centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)};
    }
    bool covers(double degrees) const
    {
        const double past = std::fmod(std::fmod(degrees - startDegrees, 360.0) + 360.0, 360.0);
        return past <= sweepDegrees;
    }
};

Circle circleOf(const pattern::ScaledArc& arc)
{
    return {{arc.box.centre().x + kShift, arc.box.centre().y + kShift},
            arc.box.width / 2,
            arc.startDegrees,
            arc.sweepDegrees};
}

// The centre line of a line's stroke, lengthened by its square caps.
pattern::Segment strokeLine(const pattern::LineShape& line, pattern::PixelSize picture)
{
    pattern::Segment s = pattern::scaledLine(line, picture);
    s = {s.x1 + kShift, s.y1 + kShift, s.x2 + kShift, s.y2 + kShift};
    const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
    if (length == 0) return s;
    const double dx = (s.x2 - s.x1) / length * kHalfWidth, dy = (s.y2 - s.y1) / length * kHalfWidth;
    return {s.x1 - dx, s.y1 - dy, s.x2 + dx, s.y2 + dy};
}

bool inside(pattern::Point p, const PixelRect& r)
{
    return p.x >= r.left && p.x <= r.left + r.width && p.y >= r.top && p.y <= r.top + r.height;
}

// Liang and Barsky's clipping: whether any part of the segment lies in the rectangle.
bool crosses(const pattern::Segment& s, const PixelRect& r)
{
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    double enter = 0, leave = 1;
    const auto limit = [&](double towardsOutside, double room) {
        if (towardsOutside == 0) return room >= 0;
        const double t = room / towardsOutside;
        if (towardsOutside < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    return limit(-dx, s.x1 - r.left) && limit(dx, r.left + r.width - s.x1) &&
           limit(-dy, s.y1 - r.top) && limit(dy, r.top + r.height - s.y1);
}

bool crosses(const Circle& c, const PixelRect& r)
{
    if (inside(c.at(c.startDegrees), r)) return true;
    const auto crossing = [&](double degrees) { return c.covers(degrees) && inside(c.at(degrees), r); };
    for (const double x : {r.left, r.left + r.width}) {
        const double cosine = (x - c.centre.x) / c.radius;
        if (std::abs(cosine) > 1) continue;
        const double degrees = std::acos(cosine) * 180 / std::numbers::pi;
        if (crossing(degrees) || crossing(-degrees)) return true;
    }
    for (const double y : {r.top, r.top + r.height}) {
        const double sine = (c.centre.y - y) / c.radius;
        if (std::abs(sine) > 1) continue;
        const double degrees = std::asin(sine) * 180 / std::numbers::pi;
        if (crossing(degrees) || crossing(180 - degrees)) return true;
    }
    return false;
}

// The furthest right and down a stroke reaches: its outer edge at the quadrants it passes and
// the corners of its square caps.
pattern::Point farCorner(const pattern::Segment& s)
{
    const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
    const double nx = length == 0 ? kHalfWidth : -(s.y2 - s.y1) / length * kHalfWidth;
    const double ny = length == 0 ? kHalfWidth : (s.x2 - s.x1) / length * kHalfWidth;
    return {std::max(s.x1, s.x2) + std::abs(nx), std::max(s.y1, s.y2) + std::abs(ny)};
}

pattern::Point farCorner(const Circle& c)
{
    pattern::Point far{-1e300, -1e300};
    const auto reach = [&](pattern::Point p) {
        far = {std::max(far.x, p.x), std::max(far.y, p.y)};
    };
    for (const double degrees : {0.0, 270.0})
        if (c.covers(degrees)) reach(Circle{c.centre, c.radius + kHalfWidth}.at(degrees));
    for (const double end : {c.startDegrees, c.startDegrees + c.sweepDegrees}) {
        const pattern::Point p = c.at(end);
        const double radians = end * std::numbers::pi / 180;
        const double reachX = kHalfWidth * (std::abs(std::cos(radians)) + std::abs(std::sin(radians)));
        reach({p.x + reachX, p.y + reachX});
    }
    return far;
}

template <typename Visit>
void eachStroke(const pattern::Shape& shape, pattern::PixelSize picture, const Visit& visit)
{
    if (const auto* line = std::get_if<pattern::LineShape>(&shape))
        visit(strokeLine(*line, picture));
    else if (const auto* arc = std::get_if<pattern::ArcShape>(&shape))
        visit(circleOf(pattern::scaledArc(*arc)));
    else
        visit(circleOf(pattern::scaledArc(std::get<pattern::EllipseShape>(shape))));
}

}  // namespace

ShapeInk::ShapeInk(const std::vector<pattern::Shape>& shapes, pattern::PixelSize picture)
    : shapes_(shapes), picture_(picture)
{
    for (const pattern::Shape& shape : shapes)
        eachStroke(shape, picture, [this](const auto& stroke) {
            const pattern::Point far = farCorner(stroke);
            right_ = std::max(right_, far.x);
            bottom_ = std::max(bottom_, far.y);
        });
    right_ = std::min(right_, double(picture.width));
    bottom_ = std::min(bottom_, double(picture.height));
}

bool ShapeInk::within(const PixelRect& area) const
{
    const double left = std::max(area.left, 0.0), top = std::max(area.top, 0.0);
    const double right = std::min(area.left + area.width, double(picture_.width));
    const double bottom = std::min(area.top + area.height, double(picture_.height));
    if (right <= left || bottom <= top) return false;
    // The stroke's half width around the centre lines.
    const PixelRect reach{left - kHalfWidth, top - kHalfWidth, right - left + 2 * kHalfWidth,
                          bottom - top + 2 * kHalfWidth};
    return std::any_of(shapes_.begin(), shapes_.end(), [&](const pattern::Shape& shape) {
        bool found = false;
        eachStroke(shape, picture_, [&](const auto& stroke) { found = crosses(stroke, reach); });
        return found;
    });
}

}  // namespace tavrel::web
