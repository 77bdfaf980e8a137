#include "projection/sections.h"

#include "pages/tiling.h"

#include <algorithm>
#include <cmath>

namespace tavrel::projection {
namespace {

// How many sections of `step` cover `length` when each shows `step + overlap`.
int sectionsAlong(double length, double area)
{
    if (length <= area) return 1;
    const double step = area - kSectionOverlapInches;
    // A hair's tolerance, so that a pattern that fits exactly takes no extra section.
    return static_cast<int>(std::ceil((length - kSectionOverlapInches) / step - 1e-9));
}

// Where the polylines cross the line x = `at` (or y = `at` with `down`).
void crossings(const std::vector<Polyline>& polylines, double at, bool down,
               std::vector<Point>& found)
{
    const auto coordinate = [down](Point p) { return down ? p.y : p.x; };
    for (const Polyline& line : polylines)
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            const double a = coordinate(line[i]) - at, b = coordinate(line[i + 1]) - at;
            // A point on the line counts as past it: a line through it is found once.
            if ((a < 0) != (b < 0)) {
                const double t = a / (a - b);
                found.push_back({line[i].x + (line[i + 1].x - line[i].x) * t,
                                 line[i].y + (line[i + 1].y - line[i].y) * t});
            }
        }
}

}  // namespace

Point SectionGrid::origin(int index) const
{
    return {(index % columns) * stepX, (index / columns) * stepY};
}

std::string SectionGrid::label(int index) const
{
    return pages::tileLabel(index % columns, index / columns);
}

SectionGrid sectionGrid(Point placed, double areaWidth, double areaHeight)
{
    SectionGrid grid;
    grid.areaWidth = areaWidth;
    grid.areaHeight = areaHeight;
    grid.columns = sectionsAlong(placed.x, areaWidth);
    grid.rows = sectionsAlong(placed.y, areaHeight);
    grid.stepX = areaWidth - kSectionOverlapInches;
    grid.stepY = areaHeight - kSectionOverlapInches;
    return grid;
}

std::vector<Point> landmarks(const std::vector<Polyline>& placedFigure, const SectionGrid& grid)
{
    std::vector<Point> found;
    for (int column = 1; column < grid.columns; ++column)
        crossings(placedFigure, column * grid.stepX + kSectionOverlapInches / 2, false, found);
    for (int row = 1; row < grid.rows; ++row)
        crossings(placedFigure, row * grid.stepY + kSectionOverlapInches / 2, true, found);
    return found;
}

std::vector<Polyline> landmarkCross(Point c)
{
    const double arm = kLandmarkArmInches;
    return {{{c.x - arm, c.y}, {c.x + arm, c.y}}, {{c.x, c.y - arm}, {c.x, c.y + arm}}};
}

}  // namespace tavrel::projection
