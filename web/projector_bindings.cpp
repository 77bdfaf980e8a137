// What the page's projector view asks of the core: the rectangle's typed size, where the
// corners' and the mesh's handles start, why a calibration cannot be used, and the pattern as
// the calibration shows it on the table. The page strokes the polylines and handles the keys.
//
// A calibration comes from the page as {widthInches, heightInches, metric (its size typed in
// millimeters), corners: [x, y four times, from the top-left clockwise], mesh: null or {size,
// points: [x, y, ... row by row]}}, in the view's pixels.

#include "measure/unit.h"
#include "pattern/drawing.h"
#include "projection/placement.h"
#include "projection/rectangle_size.h"
#include "projection/table_mapping.h"
#include "projection/table_view.h"
#include "web/js_arrays.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <limits>
#include <string>

namespace tavrel::web {
namespace {

using emscripten::val;
using projection::CornerCalibration;
using projection::CornerFault;
using projection::Point;
using projection::TableMapping;

// The page draws its picture at 15 twips per pixel; the figure's inches are the same on any
// screen.
constexpr float kTwipsPerPixel = 15;
// The figure's arcs as chords of at most one picture pixel, as the desktop's view cuts them.
constexpr double kChordPixels = 1;

measure::UnitSystem unitsOf(bool metric)
{
    return metric ? measure::UnitSystem::Metric : measure::UnitSystem::Inch;
}

std::vector<Point> pointsOf(const std::vector<double>& xy)
{
    std::vector<Point> points;
    for (size_t i = 0; i + 1 < xy.size(); i += 2) points.push_back({xy[i], xy[i + 1]});
    return points;
}

val flat(const std::vector<Point>& points)
{
    std::vector<double> xy;
    for (const Point& p : points) xy.insert(xy.end(), {p.x, p.y});
    return numbers(xy);
}

// What cannot be read as NaN, which the corners' check refuses.
CornerCalibration cornersOf(const val& calibration)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CornerCalibration corners{calibration["widthInches"].as<double>(),
                              calibration["heightInches"].as<double>(),
                              {{{nan, nan}, {nan, nan}, {nan, nan}, {nan, nan}}}};
    const auto xy = numbersOf(calibration["corners"]);
    if (xy && xy->size() == 8)
        for (int i = 0; i < 4; ++i) corners.corners[i] = {(*xy)[2 * i], (*xy)[2 * i + 1]};
    return corners;
}

const char* faultName(CornerFault fault)
{
    switch (fault) {
        case CornerFault::NotANumber: return "notANumber";
        case CornerFault::TooSmall: return "tooSmall";
        case CornerFault::Crossing: return "crossing";
        case CornerFault::Folding: return "folding";
        case CornerFault::OutOfScale: return "outOfScale";
        case CornerFault::None: break;
    }
    return "";
}

struct Mapping {
    std::optional<TableMapping> mapping;
    std::string fault;  // empty with a mapping
};

// The corners' mapping, bent through the mesh where there is one.
Mapping mappingOf(const val& calibration)
{
    const CornerCalibration corners = cornersOf(calibration);
    const CornerFault fault = projection::cornerFault(corners);
    if (fault != CornerFault::None) return {std::nullopt, faultName(fault)};
    // Corners that pass the check yet lie all but on one line give no mapping: a fold.
    const auto straight = TableMapping::fromCorners(corners);
    if (!straight) return {std::nullopt, faultName(CornerFault::Folding)};
    const val mesh = calibration["mesh"];
    if (mesh.isNull() || mesh.isUndefined()) return {straight, ""};
    const auto points = numbersOf(mesh["points"]);
    if (!points || points->size() % 2 != 0) return {std::nullopt, "mesh"};
    auto bent = straight->withMesh(mesh["size"].as<int>(), pointsOf(*points));
    if (!bent) return {std::nullopt, "mesh"};
    return {std::move(bent), ""};
}

// "" for a calibration the view can use, else why not: "notANumber", "tooSmall", "crossing",
// "folding", "outOfScale", or "mesh" for a mesh whose cells cross or fold.
std::string calibrationFault(const val& calibration)
{
    return mappingOf(calibration).fault;
}

// The corners' first handles on a view `width` by `height` pixels: a rectangle in the middle,
// in the shape of a cutting mat.
val startingCorners(int width, int height)
{
    const CornerCalibration corners = projection::startingCorners(width, height, 24, 18);
    return flat({corners.corners.begin(), corners.corners.end()});
}

// Where the mesh's handles start, row by row: on the pixel where the corners alone show each
// crossing, as a handle stands on a pixel; null for corners the view cannot use.
val meshStart(const val& calibration, int size)
{
    const auto mapping = TableMapping::fromCorners(cornersOf(calibration));
    if (!mapping || size < 2) return val::null();
    std::vector<Point> points;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const Point p = mapping->cornersOnly(mapping->meshCrossing(size, column, row));
            points.push_back({std::round(p.x), std::round(p.y)});
        }
    return flat(points);
}

// {widthInches, heightInches, metric} as typed, in the ruler's units unless it names its own;
// null for a text that is no such size.
val rectangleSize(const std::string& text, bool metricRuler)
{
    const auto size = projection::readRectangleSize(text, unitsOf(metricRuler));
    if (!size) return val::null();
    val result = val::object();
    result.set("widthInches", size->widthInches);
    result.set("heightInches", size->heightInches);
    result.set("metric", size->units == measure::UnitSystem::Metric);
    return result;
}

// An arrow key's step in the calibration's units: 1/16 in or 1 mm, coarse 1 in or 25 mm.
double moveStepInches(bool metric, bool coarse)
{
    return projection::moveStepInches(unitsOf(metric), coarse);
}

// {points: x, y of every point, counts: how many points each polyline has}
val polylines(const std::vector<projection::Polyline>& lines)
{
    std::vector<double> xy, counts;
    for (const projection::Polyline& line : lines) {
        counts.push_back(double(line.size()));
        for (const Point& p : line) xy.insert(xy.end(), {p.x, p.y});
    }
    val result = val::object();
    result.set("points", numbers(xy));
    result.set("counts", numbers(counts));
    return result;
}

projection::Placement placementOf(const val& placement)
{
    return {placement["mirrorAcross"].isTrue(), placement["mirrorDown"].isTrue(),
            placement["quarterTurns"].as<int>(),
            {placement["offsetX"].as<double>(), placement["offsetY"].as<double>()}};
}

// The pattern of `text` in the unit at `unit` through the calibration, placed as asked
// ({mirrorAcross, mirrorDown, quarterTurns, offsetX, offsetY} in inches), the section at
// `section` of it, and the check overlay (0 none, 1 grid, 2 ruler, 3 the rectangle) in the
// pattern's ruler units: {figure, landmarks, overlay} as polylines in the view's pixels, with
// {columns, rows, section, label}; null for a text that draws nothing or a calibration the
// view cannot use.
val projectedFigure(const std::string& text, int unit, const val& calibration,
                    const val& placement, int section, int overlay)
{
    const auto units = measure::unitAt(unit);
    const Mapping mapping = mappingOf(calibration);
    if (!units || !mapping.mapping || overlay < 0 || overlay > 3) return val::null();
    const pattern::Drawing drawing =
        pattern::prepareDrawing(text, *units, {kTwipsPerPixel, kTwipsPerPixel});
    if (!drawing.plan) return val::null();
    const pattern::PatternPlan& plan = *drawing.plan;
    const projection::PlacedFigure figure = projection::figureInInches(
        projection::figurePolylines(plan, kChordPixels), {plan.pictureWidth, plan.pictureHeight},
        kTwipsPerPixel);
    const projection::TableView view = projection::tableView(
        *mapping.mapping, figure, placementOf(placement), section,
        static_cast<projection::TableOverlay>(overlay), measure::unitSystemOf(*units));
    const int shown = std::clamp(section, 0, view.sections.count() - 1);
    val result = val::object();
    result.set("figure", polylines(view.figure));
    result.set("landmarks", polylines(view.landmarks));
    result.set("overlay", polylines(view.overlay));
    result.set("columns", view.sections.columns);
    result.set("rows", view.sections.rows);
    result.set("section", shown);
    result.set("label", view.sections.label(shown));
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tavrel_projector)
{
    emscripten::function("calibrationFault", &calibrationFault);
    emscripten::function("startingCorners", &startingCorners);
    emscripten::function("meshStart", &meshStart);
    emscripten::function("rectangleSize", &rectangleSize);
    emscripten::function("moveStepInches", &moveStepInches);
    emscripten::function("projectedFigure", &projectedFigure);
}

}  // namespace tavrel::web
