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

// A rectangle turned to lie along `axis` (of length 1): a line's stroke with its square caps,
// or the cap at an end of an arc.
struct Band {
    pattern::Point centre, axis;
    double halfLength = 0, halfWidth = kHalfWidth;
};

pattern::Segment shifted(const pattern::Segment& s)
{
    return {s.x1 + kShift, s.y1 + kShift, s.x2 + kShift, s.y2 + kShift};
}

Band bandOf(const pattern::Segment& s)
{
    const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
    const pattern::Point centre{(s.x1 + s.x2) / 2, (s.y1 + s.y2) / 2};
    // A line of no length is a square of the pen's width.
    if (length == 0) return {centre, {1, 0}, kHalfWidth};
    return {centre, {(s.x2 - s.x1) / length, (s.y2 - s.y1) / length}, length / 2 + kHalfWidth};
}

// Separating axes: the band and the rectangle overlap, or touch, unless one of their four
// axes holds them apart.
bool overlaps(const Band& b, const PixelRect& r)
{
    const double hx = r.width / 2, hy = r.height / 2;
    const double dx = b.centre.x - (r.left + hx), dy = b.centre.y - (r.top + hy);
    const double ax = std::abs(b.axis.x), ay = std::abs(b.axis.y);
    return std::abs(dx) <= hx + ax * b.halfLength + ay * b.halfWidth &&
           std::abs(dy) <= hy + ay * b.halfLength + ax * b.halfWidth &&
           std::abs(dx * b.axis.x + dy * b.axis.y) <= b.halfLength + hx * ax + hy * ay &&
           std::abs(-dx * b.axis.y + dy * b.axis.x) <= b.halfWidth + hx * ay + hy * ax;
}

bool inside(pattern::Point p, const PixelRect& r)
{
    return p.x >= r.left && p.x <= r.left + r.width && p.y >= r.top && p.y <= r.top + r.height;
}

double distance(pattern::Point p, const PixelRect& r)
{
    const double dx = std::max({r.left - p.x, 0.0, p.x - r.left - r.width});
    const double dy = std::max({r.top - p.y, 0.0, p.y - r.top - r.height});
    return std::hypot(dx, dy);
}

double degreesOf(const Circle& c, pattern::Point p)
{
    return std::atan2(c.centre.y - p.y, p.x - c.centre.x) * 180 / std::numbers::pi;
}

// The square cap at an end of an arc, lengthening it along its tangent.
Band capOf(const Circle& c, double degrees, double outwards)
{
    const pattern::Point end = c.at(degrees);
    const double radians = degrees * std::numbers::pi / 180;
    const pattern::Point axis{outwards * std::sin(radians), outwards * std::cos(radians)};
    return {{end.x + axis.x * kHalfWidth / 2, end.y + axis.y * kHalfWidth / 2},
            axis,
            kHalfWidth / 2};
}

// Whether the arc comes within the pen's half width of the rectangle. Where they do not cross,
// the arc comes nearest at one of its ends, across from a corner, or where it runs along an
// edge: at its quarters.
bool bodyTouches(const Circle& c, const PixelRect& r)
{
    std::vector<double> candidates = {c.startDegrees, c.startDegrees + c.sweepDegrees,
                                      0, 90, 180, 270};
    const auto crossing = [&](double degrees) {
        return c.covers(degrees) && inside(c.at(degrees), r);
    };
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
    if (inside(c.at(c.startDegrees), r)) return true;
    for (const double x : {r.left, r.left + r.width})
        for (const double y : {r.top, r.top + r.height})
            candidates.push_back(degreesOf(c, {x, y}));
    return std::any_of(candidates.begin(), candidates.end(), [&](double degrees) {
        return c.covers(degrees) && distance(c.at(degrees), r) <= kHalfWidth;
    });
}

bool touches(const Band& line, const PixelRect& r)
{
    return overlaps(line, r);
}

bool touches(const Circle& c, const PixelRect& r)
{
    if (c.sweepDegrees < 360 && (overlaps(capOf(c, c.startDegrees, 1), r) ||
                                 overlaps(capOf(c, c.startDegrees + c.sweepDegrees, -1), r)))
        return true;
    return bodyTouches(c, r);
}

// The furthest right and down a stroke reaches: its outer edge at the quadrants it passes and
// the corners of its square caps.
pattern::Point farCorner(const Band& b)
{
    const double ax = std::abs(b.axis.x), ay = std::abs(b.axis.y);
    return {b.centre.x + ax * b.halfLength + ay * b.halfWidth,
            b.centre.y + ay * b.halfLength + ax * b.halfWidth};
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
        visit(bandOf(shifted(pattern::scaledLine(*line, picture))));
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
    const PixelRect visible{left, top, right - left, bottom - top};
    return std::any_of(shapes_.begin(), shapes_.end(), [&](const pattern::Shape& shape) {
        bool found = false;
        eachStroke(shape, picture_, [&](const auto& stroke) { found = touches(stroke, visible); });
        return found;
    });
}

}  // namespace tavrel::web
