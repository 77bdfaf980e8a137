#include "projection/homography.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrel::projection {
namespace {

// Solves a x = b by elimination with the largest pivot of each column; false when singular.
template <int N>
bool solve(std::array<std::array<double, N + 1>, N>& rows, std::array<double, N>& x)
{
    for (int column = 0; column < N; ++column) {
        int pivot = column;
        for (int row = column + 1; row < N; ++row)
            if (std::abs(rows[row][column]) > std::abs(rows[pivot][column])) pivot = row;
        if (std::abs(rows[pivot][column]) < 1e-12) return false;
        std::swap(rows[pivot], rows[column]);
        for (int row = 0; row < N; ++row) {
            if (row == column) continue;
            const double factor = rows[row][column] / rows[column][column];
            for (int k = column; k <= N; ++k) rows[row][k] -= factor * rows[column][k];
        }
    }
    for (int i = 0; i < N; ++i) x[i] = rows[i][N] / rows[i][i];
    return true;
}

// Twice the signed area of the triangle: 0 when its points lie on one line.
double turn(Point a, Point b, Point c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool threeOnALine(const std::array<Point, 4>& p)
{
    // Relative to the points' spread, so that the test means the same at any scale.
    double spread = 0;
    for (const Point& q : p)
        spread = std::max({spread, std::abs(q.x - p[0].x), std::abs(q.y - p[0].y)});
    const double tiny = 1e-9 * spread * spread;
    return std::abs(turn(p[0], p[1], p[2])) <= tiny || std::abs(turn(p[0], p[1], p[3])) <= tiny ||
           std::abs(turn(p[0], p[2], p[3])) <= tiny || std::abs(turn(p[1], p[2], p[3])) <= tiny;
}

}  // namespace

std::optional<Homography> Homography::between(const std::array<Point, 4>& from,
                                              const std::array<Point, 4>& to)
{
    if (threeOnALine(from) || threeOnALine(to)) return std::nullopt;
    // Each pair gives two equations in the eight unknowns; the ninth is 1.
    std::array<std::array<double, 9>, 8> rows{};
    for (int i = 0; i < 4; ++i) {
        const auto [x, y] = from[i];
        const auto [u, v] = to[i];
        rows[2 * i] = {x, y, 1, 0, 0, 0, -u * x, -u * y, u};
        rows[2 * i + 1] = {0, 0, 0, x, y, 1, -v * x, -v * y, v};
    }
    std::array<double, 8> h{};
    if (!solve<8>(rows, h)) return std::nullopt;
    Homography mapping;
    for (int i = 0; i < 8; ++i) mapping.m_[i] = h[i];
    mapping.m_[8] = 1;
    return mapping;
}

double Homography::divisor(Point p) const
{
    return m_[6] * p.x + m_[7] * p.y + m_[8];
}

Point Homography::map(Point p) const
{
    const double w = divisor(p);
    return {(m_[0] * p.x + m_[1] * p.y + m_[2]) / w, (m_[3] * p.x + m_[4] * p.y + m_[5]) / w};
}

}  // namespace tavrel::projection
