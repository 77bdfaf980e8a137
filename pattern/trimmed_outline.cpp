#include "pattern/trimmed_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace tavrel::pattern {
namespace {

// Replay strokes its paths half a pixel right of and below their points.
constexpr double kHalfPixel = 0.5;
constexpr double kShortestDegrees = 1e-9;

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

Point pointAt(const OutlineArc& arc, double angleDegrees)
{
    const double radians = angleDegrees * std::numbers::pi / 180.0;
    return {arc.centre.x + arc.radius * std::cos(radians),
            arc.centre.y + arc.radius * -std::sin(radians)};
}

// The part of the line inside the picture (Liang and Barsky's clipping).
std::optional<Segment> trimmedLine(const Segment& line, PixelSize picture)
{
    const double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
    double enter = 0, leave = 1;
    const auto limit = [&](double towardsOutside, double room) {
        if (towardsOutside == 0) return room >= 0;
        const double t = room / towardsOutside;
        if (towardsOutside < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!limit(-dx, line.x1) || !limit(dx, picture.width - line.x1) || !limit(-dy, line.y1) ||
        !limit(dy, picture.height - line.y1))
        return std::nullopt;
    return Segment{line.x1 + dx * enter, line.y1 + dy * enter, line.x1 + dx * leave,
                   line.y1 + dy * leave};
}

// The angles past the arc's start, within its sweep, where its circle crosses an edge.
std::vector<double> edgeCrossings(const OutlineArc& arc, PixelSize picture)
{
    std::vector<double> crossings;
    const auto add = [&](double angle) {
        const double past = std::fmod(std::fmod(angle - arc.startDegrees, 360.0) + 360.0, 360.0);
        if (past > 0 && past < arc.sweepDegrees) crossings.push_back(past);
    };
    for (const double x : {0.0, double(picture.width)}) {
        const double cosine = (x - arc.centre.x) / arc.radius;
        if (std::abs(cosine) > 1) continue;
        add(degrees(std::acos(cosine)));
        add(-degrees(std::acos(cosine)));
    }
    for (const double y : {0.0, double(picture.height)}) {
        const double sine = (arc.centre.y - y) / arc.radius;
        if (std::abs(sine) > 1) continue;
        add(degrees(std::asin(sine)));
        add(180.0 - degrees(std::asin(sine)));
    }
    std::sort(crossings.begin(), crossings.end());
    return crossings;
}

std::vector<OutlinePiece> trimmedArc(const OutlineArc& arc, PixelSize picture)
{
    std::vector<double> cuts = edgeCrossings(arc, picture);
    cuts.insert(cuts.begin(), 0.0);
    cuts.push_back(arc.sweepDegrees);

    std::vector<OutlineArc> inside;
    bool extendsLast = false;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double from = cuts[i], to = cuts[i + 1];
        // Two crossings at one point (a corner, a tangent edge) leave nothing between them; an arc
        // that short would read as a whole circle in a DXF file.
        if (to - from < kShortestDegrees) continue;
        const Point middle = pointAt(arc, arc.startDegrees + (from + to) / 2);
        const bool in = middle.x >= 0 && middle.x <= picture.width && middle.y >= 0 &&
                        middle.y <= picture.height;
        if (in && extendsLast)
            inside.back().sweepDegrees = arc.startDegrees + to - inside.back().startDegrees;
        else if (in)
            inside.push_back({arc.centre, arc.radius, arc.startDegrees + from, to - from});
        extendsLast = in;
    }
    // A whole circle cut by an edge: its first and last pieces meet where it began.
    const bool wholeCircle = arc.sweepDegrees >= 360.0;
    if (wholeCircle && inside.size() > 1 && extendsLast &&
        inside.front().startDegrees == arc.startDegrees) {
        inside.front().startDegrees = inside.back().startDegrees;
        inside.front().sweepDegrees += inside.back().sweepDegrees;
        inside.pop_back();
    }
    return {inside.begin(), inside.end()};
}

OutlineArc outlineArc(const ScaledArc& scaled)
{
    const Point centre = scaled.box.centre();
    return {{centre.x + kHalfPixel, centre.y + kHalfPixel}, scaled.box.width / 2,
            scaled.startDegrees, scaled.sweepDegrees};
}

}  // namespace

std::vector<OutlinePiece> trimmedOutline(const Shape& shape, PixelSize picture)
{
    if (const auto* line = std::get_if<LineShape>(&shape)) {
        const Segment s = scaledLine(*line, picture);
        const auto trimmed = trimmedLine(
            {s.x1 + kHalfPixel, s.y1 + kHalfPixel, s.x2 + kHalfPixel, s.y2 + kHalfPixel}, picture);
        if (!trimmed) return {};
        return {*trimmed};
    }
    const auto* arcShape = std::get_if<ArcShape>(&shape);
    const OutlineArc arc = outlineArc(arcShape ? scaledArc(*arcShape)
                                               : scaledArc(std::get<EllipseShape>(shape)));
    if (arc.radius <= 0) return {};
    return trimmedArc(arc, picture);
}

}  // namespace tavrel::pattern
