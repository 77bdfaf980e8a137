#include "projection/table_view.h"

#include "measure/physical_units.h"

#include <algorithm>
#include <cmath>

namespace tavrel::projection {
namespace {

// Straight on the table is bent on the screen by a mesh: long strokes are cut into pieces
// this long before they are mapped.
constexpr double kLongestPieceInches = 0.1;
constexpr double kRulerTickInches = 0.25;

Polyline onScreen(const Polyline& table, const TableMapping& mapping)
{
    Polyline screen;
    if (table.empty()) return screen;
    screen.push_back(mapping.toScreen(table.front()));
    for (size_t i = 1; i < table.size(); ++i) {
        const Point a = table[i - 1], b = table[i];
        const int pieces = std::max(
            1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / kLongestPieceInches)));
        for (int k = 1; k <= pieces; ++k)
            screen.push_back(
                mapping.toScreen({a.x + (b.x - a.x) * k / pieces, a.y + (b.y - a.y) * k / pieces}));
    }
    return screen;
}

std::vector<Polyline> onScreen(const std::vector<Polyline>& table, const TableMapping& mapping)
{
    std::vector<Polyline> screen;
    screen.reserve(table.size());
    for (const Polyline& line : table) screen.push_back(onScreen(line, mapping));
    return screen;
}

std::vector<Polyline> moved(std::vector<Polyline> lines, Point by)
{
    for (Polyline& line : lines)
        for (Point& p : line) p = {p.x + by.x, p.y + by.y};
    return lines;
}

}  // namespace

PlacedFigure figureInInches(std::vector<Polyline> lines, pattern::PixelSize picture,
                            double twipsPerPixel)
{
    const double inches = twipsPerPixel / measure::kTwipsPerInch;
    for (Polyline& line : lines)
        for (Point& p : line) p = {p.x * inches, p.y * inches};
    return {std::move(lines), {picture.width * inches, picture.height * inches}};
}

std::vector<Polyline> overlayLines(TableOverlay overlay, double width, double height,
                                   measure::UnitSystem ruler)
{
    const double unit =
        ruler == measure::UnitSystem::Metric ? 1 / measure::kCentimetersPerInch : 1.0;
    std::vector<Polyline> lines;
    switch (overlay) {
        case TableOverlay::None:
            break;
        case TableOverlay::Grid:
            // A hair's room, so that a rectangle of whole units gets its far edge's line.
            for (double x = 0; x <= width + 1e-9; x += unit) lines.push_back({{x, 0}, {x, height}});
            for (double y = 0; y <= height + 1e-9; y += unit) lines.push_back({{0, y}, {width, y}});
            break;
        case TableOverlay::Ruler: {
            const int units = std::min(10, static_cast<int>((width - 2 * unit) / unit + 1e-9));
            if (units < 1) break;
            const double top = unit, base = unit + kRulerTickInches;
            for (int i = 0; i <= units; ++i)
                lines.push_back({{unit + i * unit, top}, {unit + i * unit, base}});
            lines.push_back({{unit, base}, {unit + units * unit, base}});
            break;
        }
        case TableOverlay::Rectangle:
            lines.push_back({{0, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}});
            lines.push_back({{0, 0}, {width, height}});
            lines.push_back({{width, 0}, {0, height}});
            break;
    }
    return lines;
}

TableView tableView(const TableMapping& mapping, const PlacedFigure& figure,
                    const Placement& placement, int section, TableOverlay overlay,
                    measure::UnitSystem ruler)
{
    std::vector<Polyline> placed;
    placed.reserve(figure.lines.size());
    for (const Polyline& line : figure.lines) {
        Polyline p;
        p.reserve(line.size());
        for (const Point& point : line) p.push_back(placedPoint(placement, point, figure.size));
        placed.push_back(std::move(p));
    }
    // The sections cover the pattern where it was moved to, from the rectangle's corner.
    const Point size = placedSize(placement, figure.size);
    const Point farCorner{std::max(size.x, size.x + placement.offsetInches.x),
                          std::max(size.y, size.y + placement.offsetInches.y)};
    TableView view;
    view.sections = sectionGrid(farCorner, mapping.widthInches(), mapping.heightInches());
    section = std::clamp(section, 0, view.sections.count() - 1);
    const Point origin = view.sections.origin(section);
    const Point end{origin.x + mapping.widthInches(), origin.y + mapping.heightInches()};
    const Point back{-origin.x, -origin.y};

    view.figure = onScreen(moved(clipped(placed, origin, end), back), mapping);
    std::vector<Polyline> crosses;
    for (const Point& mark : landmarks(placed, view.sections))
        if (mark.x >= origin.x && mark.x <= end.x && mark.y >= origin.y && mark.y <= end.y)
            for (Polyline& stroke : landmarkCross({mark.x - origin.x, mark.y - origin.y}))
                crosses.push_back(std::move(stroke));
    view.landmarks = onScreen(crosses, mapping);
    view.overlay = onScreen(
        overlayLines(overlay, mapping.widthInches(), mapping.heightInches(), ruler), mapping);
    return view;
}

}  // namespace tavrel::projection
