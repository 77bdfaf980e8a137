#include "export/trimmed_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace tavrel::exporting {
namespace {

// Replay strokes its paths half a pixel right of and below their points.
constexpr QPointF kHalfPixel(0.5, 0.5);
constexpr double kShortestDegrees = 1e-9;

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

QPointF pointAt(const OutlineArc& arc, double angleDegrees)
{
    const double radians = angleDegrees * std::numbers::pi / 180.0;
    return arc.centre + arc.radius * QPointF(std::cos(radians), -std::sin(radians));
}

// The part of the line inside the bounds (Liang and Barsky's clipping).
std::optional<QLineF> trimmedLine(const QLineF& line, const QRectF& bounds)
{
    const double dx = line.dx(), dy = line.dy();
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
    if (!limit(-dx, line.x1() - bounds.left()) || !limit(dx, bounds.right() - line.x1()) ||
        !limit(-dy, line.y1() - bounds.top()) || !limit(dy, bounds.bottom() - line.y1()))
        return std::nullopt;
    return QLineF(line.pointAt(enter), line.pointAt(leave));
}

// The angles past the arc's start, within its sweep, where its circle crosses an edge.
std::vector<double> edgeCrossings(const OutlineArc& arc, const QRectF& bounds)
{
    std::vector<double> crossings;
    const auto add = [&](double angle) {
        const double past = std::fmod(std::fmod(angle - arc.startDegrees, 360.0) + 360.0, 360.0);
        if (past > 0 && past < arc.sweepDegrees) crossings.push_back(past);
    };
    for (const double x : {bounds.left(), bounds.right()}) {
        const double cosine = (x - arc.centre.x()) / arc.radius;
        if (std::abs(cosine) > 1) continue;
        add(degrees(std::acos(cosine)));
        add(-degrees(std::acos(cosine)));
    }
    for (const double y : {bounds.top(), bounds.bottom()}) {
        const double sine = (arc.centre.y() - y) / arc.radius;
        if (std::abs(sine) > 1) continue;
        add(degrees(std::asin(sine)));
        add(180.0 - degrees(std::asin(sine)));
    }
    std::sort(crossings.begin(), crossings.end());
    return crossings;
}

std::vector<OutlinePiece> trimmedArc(const OutlineArc& arc, const QRectF& bounds)
{
    std::vector<double> cuts = edgeCrossings(arc, bounds);
    cuts.insert(cuts.begin(), 0.0);
    cuts.push_back(arc.sweepDegrees);

    std::vector<OutlineArc> inside;
    bool extendsLast = false;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double from = cuts[i], to = cuts[i + 1];
        // Two crossings at one point (a corner, a tangent edge) leave nothing between them; an arc
        // that short would read as a whole circle in a DXF file.
        if (to - from < kShortestDegrees) continue;
        const QPointF middle = pointAt(arc, arc.startDegrees + (from + to) / 2);
        const bool in = middle.x() >= bounds.left() && middle.x() <= bounds.right() &&
                        middle.y() >= bounds.top() && middle.y() <= bounds.bottom();
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

OutlineArc outlineArc(const picture::ScaledArc& scaled)
{
    return {scaled.box.center() + kHalfPixel, scaled.box.width() / 2, scaled.startDegrees,
            scaled.sweepDegrees};
}

}  // namespace

std::vector<OutlinePiece> trimmedOutline(const picture::Shape& shape, QSize picture)
{
    const QRectF bounds(QPointF(0, 0), QSizeF(picture));
    if (const auto* line = std::get_if<picture::LineShape>(&shape)) {
        const auto trimmed =
            trimmedLine(picture::scaledLine(*line, picture).translated(kHalfPixel), bounds);
        if (!trimmed) return {};
        return {*trimmed};
    }
    const auto* arcShape = std::get_if<picture::ArcShape>(&shape);
    const OutlineArc arc =
        outlineArc(arcShape ? picture::scaledArc(*arcShape)
                            : picture::scaledArc(std::get<picture::EllipseShape>(shape)));
    if (arc.radius <= 0) return {};
    return trimmedArc(arc, bounds);
}

}  // namespace tavrel::exporting
