#include "projection/table_mapping.h"

#include "pattern/projection.h"

#include <algorithm>
#include <cmath>

namespace tavrel::projection {
namespace {

double turn(Point a, Point b, Point c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool segmentsCross(Point a, Point b, Point c, Point d)
{
    const double d1 = turn(c, d, a), d2 = turn(c, d, b), d3 = turn(a, b, c), d4 = turn(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 &&
           d4 != 0;
}

// 1 or -1 as the four points turn the same way at every corner, 0 when one turns back or
// lies on a line with its neighbours.
int orientation(const std::array<Point, 4>& q)
{
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const double t = turn(q[i], q[(i + 1) % 4], q[(i + 2) % 4]);
        const int here = t > 0 ? 1 : t < 0 ? -1 : 0;
        if (here == 0 || (sign != 0 && here != sign)) return 0;
        sign = here;
    }
    return sign;
}

bool crosses(const std::array<Point, 4>& q)
{
    return segmentsCross(q[0], q[1], q[2], q[3]) || segmentsCross(q[1], q[2], q[3], q[0]);
}

double distance(Point a, Point b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

std::array<Point, 4> rectangle(double width, double height)
{
    return {{{0, 0}, {width, 0}, {width, height}, {0, height}}};
}

// Catmull-Rom's weights of the four points around a fraction `f` of the way from the second
// to the third: the curve passes through every point.
std::array<double, 4> splineWeights(double f)
{
    const double f2 = f * f, f3 = f2 * f;
    return {(-f3 + 2 * f2 - f) / 2, (3 * f3 - 5 * f2 + 2) / 2, (-3 * f3 + 4 * f2 + f) / 2,
            (f3 - f2) / 2};
}

}  // namespace

CornerFault cornerFault(const CornerCalibration& c)
{
    const auto finite = [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    if (!std::isfinite(c.widthInches) || !std::isfinite(c.heightInches) || !(c.widthInches > 0) ||
        !(c.heightInches > 0) || !std::all_of(c.corners.begin(), c.corners.end(), finite))
        return CornerFault::NotANumber;
    if (c.widthInches < kMinCalibratedInches || c.heightInches < kMinCalibratedInches)
        return CornerFault::TooSmall;
    if (crosses(c.corners)) return CornerFault::Crossing;
    if (orientation(c.corners) == 0) return CornerFault::Folding;
    const double sides[] = {distance(c.corners[0], c.corners[1]) / c.widthInches,
                            distance(c.corners[1], c.corners[2]) / c.heightInches,
                            distance(c.corners[2], c.corners[3]) / c.widthInches,
                            distance(c.corners[3], c.corners[0]) / c.heightInches};
    for (double pixelsPerInch : sides)
        if (!pattern::plausiblePixelsPerInch(pixelsPerInch)) return CornerFault::OutOfScale;
    return CornerFault::None;
}

CornerCalibration startingCorners(int width, int height, double widthInches, double heightInches)
{
    // The largest rectangle of that shape within the middle two thirds of the screen.
    const double room = std::min(width * 2.0 / 3 / widthInches, height * 2.0 / 3 / heightInches);
    const double across = std::round(widthInches * room), down = std::round(heightInches * room);
    const double left = std::round((width - across) / 2), top = std::round((height - down) / 2);
    return {widthInches,
            heightInches,
            {{{left, top}, {left + across, top}, {left + across, top + down}, {left, top + down}}}};
}

std::optional<TableMapping> TableMapping::fromCorners(const CornerCalibration& calibration)
{
    if (cornerFault(calibration) != CornerFault::None) return std::nullopt;
    const auto corners = Homography::between(
        rectangle(calibration.widthInches, calibration.heightInches), calibration.corners);
    if (!corners) return std::nullopt;
    return TableMapping(calibration, *corners);
}

Point TableMapping::meshCrossing(int size, int column, int row) const
{
    return {calibration_.widthInches * column / (size - 1),
            calibration_.heightInches * row / (size - 1)};
}

std::optional<TableMapping> TableMapping::withMesh(int size,
                                                   const std::vector<Point>& screenPoints) const
{
    if ((size != 3 && size != 5) || screenPoints.size() != static_cast<size_t>(size * size))
        return std::nullopt;
    const int turning = orientation(calibration_.corners);
    const auto at = [&](int column, int row) { return screenPoints[row * size + column]; };
    for (const Point& p : screenPoints)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
    for (int row = 0; row + 1 < size; ++row)
        for (int column = 0; column + 1 < size; ++column) {
            const std::array<Point, 4> cell = {at(column, row), at(column + 1, row),
                                               at(column + 1, row + 1), at(column, row + 1)};
            if (crosses(cell) || orientation(cell) != turning) return std::nullopt;
        }
    TableMapping bent = *this;
    bent.meshSize_ = size;
    bent.corrections_.clear();
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const Point straight = corners_.map(meshCrossing(size, column, row));
            bent.corrections_.push_back(
                {at(column, row).x - straight.x, at(column, row).y - straight.y});
        }
    return bent;
}

// The crossings' corrections carried smoothly over the whole rectangle, and held at its edge
// beyond it.
Point TableMapping::meshCorrection(Point table) const
{
    const int last = meshSize_ - 1;
    const double u = std::clamp(table.x / calibration_.widthInches * last, 0.0, double(last));
    const double v = std::clamp(table.y / calibration_.heightInches * last, 0.0, double(last));
    const int column = std::min(static_cast<int>(u), last - 1);
    const int row = std::min(static_cast<int>(v), last - 1);
    // Past the edge, the parabola through the last three crossings goes on.
    const auto inside = [&](int c, int r) { return corrections_[r * meshSize_ + c]; };
    const auto ghost = [](Point edge, Point next, Point after) {
        return Point{3 * edge.x - 3 * next.x + after.x, 3 * edge.y - 3 * next.y + after.y};
    };
    const auto alongRow = [&](int c, int r) {
        if (c < 0) return ghost(inside(0, r), inside(1, r), inside(2, r));
        if (c > last) return ghost(inside(last, r), inside(last - 1, r), inside(last - 2, r));
        return inside(c, r);
    };
    const auto correction = [&](int c, int r) {
        if (r < 0) return ghost(alongRow(c, 0), alongRow(c, 1), alongRow(c, 2));
        if (r > last) return ghost(alongRow(c, last), alongRow(c, last - 1), alongRow(c, last - 2));
        return alongRow(c, r);
    };
    const auto across = splineWeights(u - column);
    const auto down = splineWeights(v - row);
    Point sum;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const Point p = correction(column - 1 + i, row - 1 + j);
            sum.x += across[i] * down[j] * p.x;
            sum.y += across[i] * down[j] * p.y;
        }
    return sum;
}

std::vector<Point> TableMapping::meshPoints() const
{
    std::vector<Point> points;
    for (int row = 0; row < meshSize_; ++row)
        for (int column = 0; column < meshSize_; ++column) {
            const Point straight = corners_.map(meshCrossing(meshSize_, column, row));
            const Point bend = corrections_[row * meshSize_ + column];
            points.push_back({straight.x + bend.x, straight.y + bend.y});
        }
    return points;
}

Point TableMapping::toScreen(Point table) const
{
    const Point straight = corners_.map(table);
    if (meshSize_ == 0) return straight;
    const Point bend = meshCorrection(table);
    return {straight.x + bend.x, straight.y + bend.y};
}

}  // namespace tavrel::projection
