#include "pattern/outline_path.h"

#include "pattern/trimmed_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace tavrel::pattern {
namespace {

// Whether two coordinates are the same point to twelve digits, as a drawing path judges it.
bool samePlace(double a, double b)
{
    if (a == 0 || b == 0) return std::abs(a - b) <= 1e-12;
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

bool samePoint(const Point& a, const Point& b)
{
    return samePlace(a.x, b.x) && samePlace(a.y, b.y);
}

// A drawing path that drops what draws nothing: a move straight after a move replaces it, and a
// line or curve that stays on its point is left out.
class Path {
public:
    void moveTo(const Point& p)
    {
        if (elements_.back().kind == 'M')
            elements_.back().point = p;
        else
            elements_.push_back({'M', p});
    }
    void lineTo(const Point& p)
    {
        if (samePoint(elements_.back().point, p)) return;
        elements_.push_back({'L', p});
    }
    void cubicTo(const Point& c1, const Point& c2, const Point& end)
    {
        if (samePoint(elements_.back().point, c1) && samePoint(c1, c2) && samePoint(c2, end))
            return;
        elements_.push_back({'C', c1});
        elements_.push_back({' ', c2});
        elements_.push_back({' ', end});
    }

    std::string data() const
    {
        if (elements_.size() == 1) return {};
        std::string text;
        for (const Element& e : elements_) {
            text += text.empty() ? "" : " ";
            if (e.kind != ' ') text += std::string(1, e.kind) + ' ';
            text += tenThousandths(e.point.x) + ' ' + tenThousandths(e.point.y);
        }
        return text;
    }

private:
    struct Element {
        char kind;  // M, L, C, or ' ' for a curve's second control point and end
        Point point;
    };
    std::vector<Element> elements_{{'M', {0, 0}}};
};

// An arc as cubic curves of at most a quarter circle each, which stay within 0.03 % of the
// radius from the circle; their ends lie exactly on it, so that a trimmed end stays on the edge.
void addArc(Path& path, const OutlineArc& arc, double scale)
{
    const Point centre{arc.centre.x * scale, arc.centre.y * scale};
    const double radius = arc.radius * scale;
    const int curves = std::max(1, int(std::ceil(arc.sweepDegrees / 90.0 - 1e-9)));
    const double step = arc.sweepDegrees / curves * std::numbers::pi / 180.0;
    const double handle = 4.0 / 3.0 * std::tan(step / 4) * radius;
    // y grows downwards: the angle turns counter-clockwise as seen on screen.
    const auto pointAt = [&](double a) {
        return Point{centre.x + std::cos(a) * radius, centre.y + -std::sin(a) * radius};
    };
    const auto along = [&](double a, double sign) {
        const Point p = pointAt(a);
        return Point{p.x + sign * (-std::sin(a) * handle), p.y + sign * (-std::cos(a) * handle)};
    };
    double from = arc.startDegrees * std::numbers::pi / 180.0;
    path.moveTo(pointAt(from));
    for (int i = 0; i < curves; ++i, from += step) {
        const double to = from + step;
        path.cubicTo(along(from, 1), along(to, -1), pointAt(to));
    }
}

}  // namespace

std::string outlinePathData(const std::vector<Shape>& shapes, PixelSize picture,
                            double unitsPerPixel)
{
    Path path;
    for (const Shape& shape : shapes)
        for (const OutlinePiece& piece : trimmedOutline(shape, picture)) {
            if (const auto* line = std::get_if<Segment>(&piece)) {
                path.moveTo({line->x1 * unitsPerPixel, line->y1 * unitsPerPixel});
                path.lineTo({line->x2 * unitsPerPixel, line->y2 * unitsPerPixel});
                continue;
            }
            addArc(path, std::get<OutlineArc>(piece), unitsPerPixel);
        }
    return path.data();
}

std::string tenThousandths(double value)
{
    // printf rounds an exact half to even; the halves at the fifth decimal are exactly the odd
    // multiples of 1/32, and move off it away from zero.
    const double thirtySeconds = value * 32;
    if (std::floor(thirtySeconds) == thirtySeconds && std::fmod(thirtySeconds, 2) != 0)
        value = std::nextafter(value, value * 2);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string text = buffer;
    // The locale's decimal mark, whatever its length, sits between the whole part and the last
    // four digits.
    const std::size_t mark = text.find_first_not_of("-0123456789");
    if (mark == std::string::npos || text.size() < mark + 4) return text;  // infinite or NaN
    text = text.substr(0, mark) + '.' + text.substr(text.size() - 4);
    return text == "0.0000" || text == "-0.0000" ? "0" : text;
}

}  // namespace tavrel::pattern
