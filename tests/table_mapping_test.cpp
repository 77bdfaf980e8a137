// The projector's picture checked on a simulated table: a projector with a known keystone,
// rotation and lens distortion, whose handles are dragged where it shows the real corners and
// crossings. Where each drawn point lands on that table is compared with where it belongs.
#include "projection/table_mapping.h"
#include "pattern/pattern_plan.h"
#include "projection/rectangle_size.h"
#include "projection/sections.h"
#include "simulated_projector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace tavrel::projection;
using tavrel::pattern::Point;
using tavrel::test::SimulatedProjector;

constexpr double kMillimetersPerInch = 25.4;
constexpr double kInchesPerPicturePixel = 15.0 / 1440;  // a picture at 96 dots per inch

double millimetersApart(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y) * kMillimetersPerInch;
}

constexpr double kMatWidth = 24, kMatHeight = 18;

// The corners dragged to the nearest pixel, or, to weigh the mapping alone, exactly.
TableMapping cornersOn(const SimulatedProjector& projector, bool wholePixels = true)
{
    const auto handle = [&](Point table) {
        return wholePixels ? projector.handle(table) : projector.toScreen(table);
    };
    const CornerCalibration calibration{kMatWidth,
                                        kMatHeight,
                                        {handle({0, 0}), handle({kMatWidth, 0}),
                                         handle({kMatWidth, kMatHeight}), handle({0, kMatHeight})}};
    EXPECT_EQ(cornerFault(calibration), CornerFault::None);
    return *TableMapping::fromCorners(calibration);
}

TableMapping meshOn(const SimulatedProjector& projector, int size)
{
    const TableMapping corners = cornersOn(projector);
    std::vector<Point> handles;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            handles.push_back(projector.handle(corners.meshCrossing(size, column, row)));
    const auto bent = corners.withMesh(size, handles);
    EXPECT_TRUE(bent);
    return bent.value_or(corners);
}

// The farthest any 1-inch crossing of the mat lands from its place.
double worstCrossing(const SimulatedProjector& projector, const TableMapping& mapping)
{
    double worst = 0;
    for (int y = 0; y <= kMatHeight; ++y)
        for (int x = 0; x <= kMatWidth; ++x) {
            const Point table{double(x), double(y)};
            worst = std::max(worst,
                             millimetersApart(projector.toTable(mapping.toScreen(table)), table));
        }
    return worst;
}

TEST(TableMapping, EveryCrossingOfTheMatLandsInPlace)
{
    const SimulatedProjector flat(0);
    EXPECT_LT(worstCrossing(flat, cornersOn(flat)), 0.5);

    const SimulatedProjector bending(0.03);
    EXPECT_GT(worstCrossing(bending, cornersOn(bending)), 1.0);
    EXPECT_LT(worstCrossing(bending, meshOn(bending, 5)), 0.5);
    // A mesh of the flat projector changes nothing that matters.
    EXPECT_LT(worstCrossing(flat, meshOn(flat, 3)), 0.5);
}

TEST(TableMapping, RefusesCornersThatCannotBeARectangle)
{
    const std::array<Point, 4> good = {{{100, 100}, {1100, 120}, {1080, 800}, {90, 780}}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double width, height;
        std::array<Point, 4> corners;
        CornerFault expected;
    } cases[] = {
        {24, 18, good, CornerFault::None},
        // Mirrored by a rear projection: still a rectangle.
        {24, 18, {{good[1], good[0], good[3], good[2]}}, CornerFault::None},
        {4, 4, {{{100, 100}, {500, 100}, {500, 500}, {100, 500}}}, CornerFault::None},
        // A strong keystone: the far edge half as wide.
        {24, 18, {{{350, 100}, {850, 100}, {1100, 800}, {100, 800}}}, CornerFault::None},
        {3.9, 18, good, CornerFault::TooSmall},
        {24, 3.9, good, CornerFault::TooSmall},
        {0, 18, good, CornerFault::NotANumber},
        {nan, 18, good, CornerFault::NotANumber},
        {24, 18, {{{nan, 100}, good[1], good[2], good[3]}}, CornerFault::NotANumber},
        {24, 18, {{good[0], good[1], good[3], good[2]}}, CornerFault::Crossing},
        {24, 18, {{good[0], good[2], good[1], good[3]}}, CornerFault::Crossing},
        // The bottom-right corner dragged inside the others.
        {24, 18, {{good[0], good[1], {300, 300}, good[3]}}, CornerFault::Folding},
        {24, 18, {{good[0], good[1], {1100, 120}, good[3]}}, CornerFault::Folding},
        // 24 inches over 100 pixels: fewer than any screen shows.
        {24, 18, {{{100, 100}, {200, 100}, {200, 800}, {100, 800}}}, CornerFault::OutOfScale},
        {240, 180, good, CornerFault::OutOfScale},
    };
    for (const auto& c : cases) {
        const CornerCalibration calibration{c.width, c.height, c.corners};
        EXPECT_EQ(cornerFault(calibration), c.expected) << c.width << " x " << c.height;
        const auto mapping = TableMapping::fromCorners(calibration);
        ASSERT_EQ(mapping.has_value(), c.expected == CornerFault::None);
        if (!mapping) continue;
        // Exactly onto the handles, and the middle where the diagonals cross, as in any
        // perspective.
        const Point table[] = {{0, 0}, {c.width, 0}, {c.width, c.height}, {0, c.height}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(mapping->toScreen(table[i]).x, c.corners[i].x, 1e-9);
            EXPECT_NEAR(mapping->toScreen(table[i]).y, c.corners[i].y, 1e-9);
        }
        const auto [a, b, d, e] = c.corners;
        const double t = ((a.x - b.x) * (b.y - e.y) - (a.y - b.y) * (b.x - e.x)) /
                         ((a.x - d.x) * (b.y - e.y) - (a.y - d.y) * (b.x - e.x));
        const Point middle = mapping->toScreen({c.width / 2, c.height / 2});
        EXPECT_NEAR(middle.x, a.x + t * (d.x - a.x), 1e-9);
        EXPECT_NEAR(middle.y, a.y + t * (d.y - a.y), 1e-9);
    }
}

TEST(RectangleSize, ReadsTwoLengthsInEitherUnit)
{
    using tavrel::measure::UnitSystem;
    const struct {
        const char* text;
        UnitSystem ruler;
        std::optional<RectangleSize> expected;
    } cases[] = {
        {"24 x 18 in", UnitSystem::Metric, RectangleSize{24, 18, UnitSystem::Inch}},
        {"24x18", UnitSystem::Inch, RectangleSize{24, 18, UnitSystem::Inch}},
        {"17 1/2 X 11 inches", UnitSystem::Metric, RectangleSize{17.5, 11, UnitSystem::Inch}},
        {"24 \xC3\x97 18\"", UnitSystem::Metric, RectangleSize{24, 18, UnitSystem::Inch}},
        {"  609,6 x 457.2 MM ", UnitSystem::Inch, RectangleSize{24, 18, UnitSystem::Metric}},
        {"254 x 127", UnitSystem::Metric, RectangleSize{10, 5, UnitSystem::Metric}},
        {"24", UnitSystem::Inch, std::nullopt},
        {"24 x", UnitSystem::Inch, std::nullopt},
        {"x 18", UnitSystem::Inch, std::nullopt},
        {"24 x 18 cm", UnitSystem::Inch, std::nullopt},
        {"24 x 18 x 2", UnitSystem::Inch, std::nullopt},
        {"1/2 x 1/2 mm", UnitSystem::Inch, std::nullopt},  // fractions of a millimeter: no
    };
    for (const auto& c : cases) {
        const auto read = readRectangleSize(c.text, c.ruler);
        ASSERT_EQ(read.has_value(), c.expected.has_value()) << c.text;
        if (!read) continue;
        EXPECT_NEAR(read->widthInches, c.expected->widthInches, 1e-12) << c.text;
        EXPECT_NEAR(read->heightInches, c.expected->heightInches, 1e-12) << c.text;
        EXPECT_EQ(read->units, c.expected->units) << c.text;
    }
}

TEST(TableMapping, RefusesAMeshThatFolds)
{
    const SimulatedProjector flat(0);
    const TableMapping corners = cornersOn(flat);
    std::vector<Point> handles;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            handles.push_back(flat.handle(corners.meshCrossing(3, column, row)));
    EXPECT_TRUE(corners.withMesh(3, handles));
    EXPECT_FALSE(corners.withMesh(4, handles));
    EXPECT_FALSE(corners.withMesh(3, {handles.begin(), handles.end() - 1}));
    std::swap(handles[4], handles[5]);  // the middle crossing dragged past its right neighbour
    EXPECT_FALSE(corners.withMesh(3, handles));
}

// The figure of a pattern in inches, with its size.
struct Figure {
    std::vector<Polyline> lines;
    Point size;
};

Figure figureOf(float M)
{
    const auto plan = tavrel::pattern::planPattern(M, {15, 15}, tavrel::measure::UnitSystem::Inch);
    Figure figure;
    for (Polyline line : figurePolylines(*plan, 1)) {
        for (Point& p : line) p = {p.x * kInchesPerPicturePixel, p.y * kInchesPerPicturePixel};
        figure.lines.push_back(std::move(line));
    }
    figure.size = {plan->pictureWidth * kInchesPerPicturePixel,
                   plan->pictureHeight * kInchesPerPicturePixel};
    return figure;
}

TEST(Placement, MirroredAndTurnedPatternsKeepEveryLength)
{
    // Exact corners: whole pixels alone move lengths by up to 0.12 mm on this projector, as
    // much for the pattern unturned as turned; the mat's crossings check those.
    const SimulatedProjector flat(0);
    const TableMapping mapping = cornersOn(flat, false);
    const Figure figure = figureOf(230);  // about 10 inches tall: within the mat turned too
    const Point first = figure.lines[0][0];
    for (int turns = 0; turns < 4; ++turns)
        for (int mirrors = 0; mirrors < 4; ++mirrors) {
            const Placement placement{(mirrors & 1) != 0, (mirrors & 2) != 0, turns, {1, 0.5}};
            const auto onTable = [&](Point p) {
                return flat.toTable(mapping.toScreen(placedPoint(placement, p, figure.size)));
            };
            double worst = 0;
            for (const Polyline& line : figure.lines)
                for (const Point& p : line)
                    worst = std::max(worst, std::abs(millimetersApart(onTable(first), onTable(p)) -
                                                     millimetersApart(first, p)));
            EXPECT_LT(worst, 0.1) << turns << " turns, mirrors " << mirrors;
        }
}

TEST(Placement, TurnsAndMirrorsKeepTheTopLeftCorner)
{
    const Point size{4, 2};
    const struct {
        Placement placement;
        Point from, to;
    } cases[] = {
        {{}, {1, 0.5}, {1, 0.5}},
        {{true, false, 0, {}}, {1, 0.5}, {3, 0.5}},
        {{false, true, 0, {}}, {1, 0.5}, {1, 1.5}},
        {{false, false, 1, {}}, {0, 0}, {2, 0}},
        {{false, false, 2, {}}, {0, 0}, {4, 2}},
        {{false, false, 3, {}}, {0, 0}, {0, 4}},
        {{true, false, 1, {0.25, 1}}, {0, 0}, {2.25, 5}},
    };
    for (const auto& c : cases) {
        const Point to = placedPoint(c.placement, c.from, size);
        EXPECT_DOUBLE_EQ(to.x, c.to.x);
        EXPECT_DOUBLE_EQ(to.y, c.to.y);
    }
    EXPECT_DOUBLE_EQ(placedSize({false, false, 1, {}}, size).x, 2);
    EXPECT_DOUBLE_EQ(moveStepInches(tavrel::measure::UnitSystem::Inch, false), 1.0 / 16);
    EXPECT_DOUBLE_EQ(moveStepInches(tavrel::measure::UnitSystem::Inch, true), 1);
    EXPECT_DOUBLE_EQ(moveStepInches(tavrel::measure::UnitSystem::Metric, false) * 25.4, 1);
    EXPECT_DOUBLE_EQ(moveStepInches(tavrel::measure::UnitSystem::Metric, true) * 25.4, 25);
}

// Points each 0.5 mm along the polylines.
std::vector<Point> sampled(const std::vector<Polyline>& lines)
{
    const double step = 0.5 / kMillimetersPerInch;
    std::vector<Point> points;
    for (const Polyline& line : lines)
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            const double length = std::hypot(line[i + 1].x - line[i].x, line[i + 1].y - line[i].y);
            const int steps = std::max(1, static_cast<int>(std::ceil(length / step)));
            for (int k = 0; k <= steps; ++k)
                points.push_back({line[i].x + (line[i + 1].x - line[i].x) * k / steps,
                                  line[i].y + (line[i + 1].y - line[i].y) * k / steps});
        }
    return points;
}

TEST(Sections, EveryPointShowsAndLandmarksMeet)
{
    const Figure figure = figureOf(600);  // about 26 inches tall, on a rectangle of 10 x 8
    const Placement placement{false, true, 1, {}};
    std::vector<Polyline> placed;
    for (const Polyline& line : figure.lines) {
        Polyline moved;
        for (const Point& p : line) moved.push_back(placedPoint(placement, p, figure.size));
        placed.push_back(moved);
    }
    const SectionGrid grid = sectionGrid(placedSize(placement, figure.size), 10, 8);
    ASSERT_GT(grid.columns, 1);
    ASSERT_GT(grid.rows, 1);
    EXPECT_EQ(grid.label(grid.columns + 1), "B2");

    // Each point within one section's rectangle at least, as that section clips the figure.
    const auto shownBy = [&](int index) {
        const Point o = grid.origin(index);
        return clipped(placed, o, {o.x + grid.areaWidth, o.y + grid.areaHeight});
    };
    std::vector<std::vector<Polyline>> shown;
    for (int i = 0; i < grid.count(); ++i) shown.push_back(shownBy(i));
    for (const Point& p : sampled(placed)) {
        bool seen = false;
        for (int i = 0; i < grid.count() && !seen; ++i) {
            const Point o = grid.origin(i);
            seen = p.x >= o.x - 1e-9 && p.x <= o.x + grid.areaWidth + 1e-9 && p.y >= o.y - 1e-9 &&
                   p.y <= o.y + grid.areaHeight + 1e-9;
        }
        ASSERT_TRUE(seen) << p.x << ", " << p.y;
    }
    // The clipped parts are as long as the figure, counted once per section that shows them.
    const auto length = [](const std::vector<Polyline>& lines) {
        double sum = 0;
        for (const Polyline& l : lines)
            for (size_t i = 0; i + 1 < l.size(); ++i)
                sum += std::hypot(l[i + 1].x - l[i].x, l[i + 1].y - l[i].y);
        return sum;
    };
    double shownLength = 0;
    for (const auto& parts : shown) shownLength += length(parts);
    EXPECT_GE(shownLength, length(placed) - 1e-6);

    // Each landmark lies in the strip of two neighbours: on the table, the two show it one
    // step apart, so that the fabric moved by one step lays it on itself.
    const SimulatedProjector flat(0);
    const auto area = TableMapping::fromCorners({10,
                                                 8,
                                                 {flat.toScreen({0, 0}), flat.toScreen({10, 0}),
                                                  flat.toScreen({10, 8}), flat.toScreen({0, 8})}});
    ASSERT_TRUE(area);
    const std::vector<Point> marks = landmarks(placed, grid);
    ASSERT_FALSE(marks.empty());
    for (const Point& mark : marks) {
        std::vector<Point> shownAt;  // on the simulated table, with the fabric moved back
        for (int i = 0; i < grid.count(); ++i) {
            const Point o = grid.origin(i);
            if (mark.x < o.x || mark.x > o.x + grid.areaWidth || mark.y < o.y ||
                mark.y > o.y + grid.areaHeight)
                continue;
            const Point table = flat.toTable(area->toScreen({mark.x - o.x, mark.y - o.y}));
            shownAt.push_back({table.x + o.x, table.y + o.y});
        }
        ASSERT_GE(shownAt.size(), 2u) << mark.x << ", " << mark.y;
        for (const Point& other : shownAt) EXPECT_LT(millimetersApart(shownAt[0], other), 0.1);
    }
    for (int i = 0; i + 1 < grid.columns; ++i)
        EXPECT_DOUBLE_EQ(grid.origin(i + 1).x - grid.origin(i).x, 10 - kSectionOverlapInches);
    EXPECT_DOUBLE_EQ(grid.origin(grid.columns).y - grid.origin(0).y, 8 - kSectionOverlapInches);
}

TEST(Sections, APatternThatFitsTakesOneAndAnExactFitNoMore)
{
    const struct {
        Point placed;
        int columns, rows;
    } cases[] = {
        {{9.99, 7}, 1, 1},      {{10, 8}, 1, 1}, {{10.01, 8}, 2, 1},
        {{19, 15}, 2, 2},  // two sections of 10 sharing one inch: exactly 19
        {{19.01, 15.01}, 3, 3},
    };
    for (const auto& c : cases) {
        const SectionGrid grid = sectionGrid(c.placed, 10, 8);
        EXPECT_EQ(grid.columns, c.columns) << c.placed.x;
        EXPECT_EQ(grid.rows, c.rows) << c.placed.y;
    }
}

}  // namespace
