#include "projection/placement.h"

#include "measure/physical_units.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

namespace tavrel::projection {
namespace {

// Where the segment from `a` to `b` enters and leaves the box, as fractions of its length;
// false when it misses it (Liang and Barsky's clipping).
bool clipSegment(Point a, Point b, Point low, Point high, double& from, double& to)
{
    from = 0;
    to = 1;
    const double d[2] = {b.x - a.x, b.y - a.y};
    const double start[2] = {a.x, a.y};
    const double lows[2] = {low.x, low.y}, highs[2] = {high.x, high.y};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (start[axis] < lows[axis] || start[axis] > highs[axis]) return false;
            continue;
        }
        double t1 = (lows[axis] - start[axis]) / d[axis];
        double t2 = (highs[axis] - start[axis]) / d[axis];
        if (t1 > t2) std::swap(t1, t2);
        from = std::max(from, t1);
        to = std::min(to, t2);
        if (from > to) return false;
    }
    return true;
}

Point along(Point a, Point b, double t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

Polyline arcPolyline(const pattern::ScaledArc& arc, double stepPixels)
{
    const pattern::Box& box = arc.box;
    const Point centre = box.centre();
    const double rx = box.width / 2, ry = box.height / 2;
    const double radians = std::numbers::pi / 180;
    const double length = std::max(rx, ry) * std::abs(arc.sweepDegrees) * radians;
    const int chords = std::max(1, static_cast<int>(std::ceil(length / stepPixels)));
    Polyline points;
    points.reserve(chords + 1);
    for (int i = 0; i <= chords; ++i) {
        // Counter-clockwise as seen on screen, where y grows downwards.
        const double angle = (arc.startDegrees + arc.sweepDegrees * i / chords) * radians;
        points.push_back({centre.x + rx * std::cos(angle), centre.y - ry * std::sin(angle)});
    }
    return points;
}

}  // namespace

std::vector<Polyline> clipped(const std::vector<Polyline>& polylines, Point topLeft,
                              Point bottomRight)
{
    std::vector<Polyline> parts;
    for (const Polyline& line : polylines) {
        Polyline part;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            double from = 0, to = 1;
            if (!clipSegment(line[i], line[i + 1], topLeft, bottomRight, from, to)) {
                if (part.size() > 1) parts.push_back(std::move(part));
                part.clear();
                continue;
            }
            if (part.empty() || from > 0) {
                if (part.size() > 1) parts.push_back(std::move(part));
                part = {along(line[i], line[i + 1], from)};
            }
            part.push_back(along(line[i], line[i + 1], to));
            if (to < 1) {
                parts.push_back(std::move(part));
                part.clear();
            }
        }
        if (part.size() > 1) parts.push_back(std::move(part));
    }
    return parts;
}

std::vector<Polyline> figurePolylines(const std::vector<pattern::Shape>& shapes,
                                      size_t figureShapes, pattern::PixelSize picture,
                                      double stepPixels)
{
    std::vector<Polyline> polylines;
    for (size_t i = 0; i < std::min(figureShapes, shapes.size()); ++i) {
        std::visit(
            [&](const auto& shape) {
                using Kind = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<Kind, pattern::LineShape>) {
                    const pattern::Segment s = pattern::scaledLine(shape, picture);
                    polylines.push_back({{s.x1, s.y1}, {s.x2, s.y2}});
                } else {
                    polylines.push_back(arcPolyline(pattern::scaledArc(shape), stepPixels));
                }
            },
            shapes[i]);
    }
    // The picture's own box, as the window shows the figure.
    return clipped(polylines, {0, 0}, {double(picture.width), double(picture.height)});
}

std::vector<Polyline> figurePolylines(const pattern::PatternPlan& plan, double stepPixels)
{
    return figurePolylines(pattern::shapesOfPlan(plan), plan.figure.size(),
                           {plan.pictureWidth, plan.pictureHeight}, stepPixels);
}

Point placedSize(const Placement& placement, Point size)
{
    return placement.quarterTurns % 2 ? Point{size.y, size.x} : size;
}

Point placedPoint(const Placement& placement, Point p, Point size)
{
    if (placement.mirrorAcross) p.x = size.x - p.x;
    if (placement.mirrorDown) p.y = size.y - p.y;
    Point turned = p;
    switch (((placement.quarterTurns % 4) + 4) % 4) {
        case 1:
            turned = {size.y - p.y, p.x};
            break;
        case 2:
            turned = {size.x - p.x, size.y - p.y};
            break;
        case 3:
            turned = {p.y, size.x - p.x};
            break;
        default:
            break;
    }
    return {turned.x + placement.offsetInches.x, turned.y + placement.offsetInches.y};
}

double moveStepInches(measure::UnitSystem units, bool coarse)
{
    if (units == measure::UnitSystem::Metric)
        return (coarse ? 25.0 : 1.0) / measure::kMillimetersPerInch;
    return coarse ? 1.0 : 1.0 / 16;
}

}  // namespace tavrel::projection
