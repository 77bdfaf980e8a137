#pragma once
// A projector the tests know exactly, to check the projector's picture where it lands on the
// table.

#include "pattern/shapes.h"

#include <cmath>
#include <numbers>

namespace tavrel::test {

using pattern::Point;

// A projector hung above the table: table inches to screen pixels through a perspective (8 %
// narrower at the top of an 18-inch mat), a turn of 3 degrees, and a lens that pushes points
// outwards with the square of their distance from the screen's middle.
class SimulatedProjector {
public:
    // `scale` pixels per inch at the mat's bottom, its top-left corner near `left`, `top`, on a
    // screen whose middle is `middle`.
    explicit SimulatedProjector(double lens, double scale = 60, Point corner = {240, 120},
                                Point middle = {960, 540})
        : lens_(lens), middle_(middle)
    {
        const double keystone = 0.08 / 18;
        const double turn = 3 * std::numbers::pi / 180;
        const double c = std::cos(turn), s = std::sin(turn);
        // Table to screen: scale, keystone (rows further from the bottom get narrower), turn,
        // and the rectangle's place.
        const double keyed[9] = {scale, 0, 0, 0, scale, 0, 0, -keystone, 1 + 18 * keystone};
        const double turned[9] = {c, -s, corner.x, s, c, corner.y, 0, 0, 1};
        multiply(turned, keyed, m_);
        invert(m_, inverse_);
    }

    Point toScreen(Point table) const { return distort(apply(m_, table)); }
    // Where a pixel drawn at `screen` lands on the table.
    Point toTable(Point screen) const
    {
        Point undistorted = screen;  // the lens undone by fixed-point steps
        for (int i = 0; i < 50; ++i) {
            const Point d = distort(undistorted);
            undistorted = {undistorted.x + screen.x - d.x, undistorted.y + screen.y - d.y};
        }
        return apply(inverse_, undistorted);
    }
    // Where a user drags a handle: the pixel nearest to the table's point.
    Point handle(Point table) const
    {
        const Point p = toScreen(table);
        return {std::round(p.x), std::round(p.y)};
    }

private:
    Point distort(Point p) const
    {
        const double dx = (p.x - middle_.x) / 1000, dy = (p.y - middle_.y) / 1000;
        const double grow = 1 + lens_ * (dx * dx + dy * dy);
        return {middle_.x + (p.x - middle_.x) * grow, middle_.y + (p.y - middle_.y) * grow};
    }
    static Point apply(const double* m, Point p)
    {
        const double w = m[6] * p.x + m[7] * p.y + m[8];
        return {(m[0] * p.x + m[1] * p.y + m[2]) / w, (m[3] * p.x + m[4] * p.y + m[5]) / w};
    }
    static void multiply(const double* a, const double* b, double* out)
    {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                out[3 * r + c] =
                    a[3 * r] * b[c] + a[3 * r + 1] * b[3 + c] + a[3 * r + 2] * b[6 + c];
    }
    static void invert(const double* m, double* out)
    {
        const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                           m[2] * (m[3] * m[7] - m[4] * m[6]);
        out[0] = (m[4] * m[8] - m[5] * m[7]) / det;
        out[1] = (m[2] * m[7] - m[1] * m[8]) / det;
        out[2] = (m[1] * m[5] - m[2] * m[4]) / det;
        out[3] = (m[5] * m[6] - m[3] * m[8]) / det;
        out[4] = (m[0] * m[8] - m[2] * m[6]) / det;
        out[5] = (m[2] * m[3] - m[0] * m[5]) / det;
        out[6] = (m[3] * m[7] - m[4] * m[6]) / det;
        out[7] = (m[1] * m[6] - m[0] * m[7]) / det;
        out[8] = (m[0] * m[4] - m[1] * m[3]) / det;
    }

    double lens_;
    Point middle_;
    double m_[9];
    double inverse_[9];
};

}  // namespace tavrel::test
