#pragma once
// A projective mapping of the plane: what a projector that is not square to the table does to
// a picture. Straight lines stay straight; lengths and angles do not.

#include "pattern/shapes.h"

#include <array>
#include <optional>

namespace tavrel::projection {

using pattern::Point;

class Homography {
public:
    // The mapping that takes each of `from` to the `to` of the same place; nullopt when three of
    // either four lie on one line, where no such mapping exists.
    static std::optional<Homography> between(const std::array<Point, 4>& from,
                                             const std::array<Point, 4>& to);

    Point map(Point point) const;
    // Where the mapping's divisor is 0 the point goes to infinity: its sign says on which side
    // of that line a point lies, and a mapping that folds an area has both signs over it.
    double divisor(Point point) const;

private:
    std::array<double, 9> m_{1, 0, 0, 0, 1, 0, 0, 0, 1};
};

}  // namespace tavrel::projection
