#pragma once
// Plain sizes, points and rectangles of the page plans, in twips or points, as the desktop's
// painter and the browser's writers both read them. The arithmetic is Qt's, term for term, so
// that the plans come out the same to the last bit whichever side draws them.

namespace tavrel::pages {

struct Size {
    double width = 0, height = 0;

    friend bool operator==(const Size&, const Size&) = default;
    friend Size operator+(Size a, Size b) { return {a.width + b.width, a.height + b.height}; }
    friend Size operator-(Size a, Size b) { return {a.width - b.width, a.height - b.height}; }
    friend Size operator*(Size s, double factor) { return {s.width * factor, s.height * factor}; }
};

struct Point {
    double x = 0, y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator-(Point p) { return {-p.x, -p.y}; }
    friend Point operator/(Point p, double divisor) { return {p.x / divisor, p.y / divisor}; }
};

struct Margins {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;

    Rect() = default;
    Rect(double x, double y, double width, double height)
        : x(x), y(y), width(width), height(height)
    {
    }
    Rect(Point topLeft, Size size) : Rect(topLeft.x, topLeft.y, size.width, size.height) {}

    friend bool operator==(const Rect&, const Rect&) = default;

    double left() const { return x; }
    double top() const { return y; }
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    Point topLeft() const { return {x, y}; }
    Size size() const { return {width, height}; }
    Point center() const { return {x + width / 2, y + height / 2}; }

    Rect translated(Point by) const { return {x + by.x, y + by.y, width, height}; }
    Rect adjusted(double left, double top, double right, double bottom) const
    {
        return {x + left, y + top, width + right - left, height + bottom - top};
    }
    Rect marginsRemoved(const Margins& m) const
    {
        return {x + m.left, y + m.top, width - m.left - m.right, height - m.top - m.bottom};
    }
};

}  // namespace tavrel::pages
