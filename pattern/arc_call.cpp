#include "pattern/arc_call.h"

#include <cmath>
#include <numbers>

namespace tavrel::pattern {
namespace {

bool fitsInt16(long value) { return value >= -32768 && value <= 32767; }

struct RayPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The point where the ray at `angle` degrees meets the circle, rounded down. The angle is
// turned by -90 degrees and taken as sine/cosine the other way round; at multiples of 90 the
// tiny double residue of sine or cosine makes the floor one less than the exact value, and
// the drawings rely on exactly these points.
std::optional<RayPoint> rayPoint(const ArcArguments& a, std::int16_t angle)
{
    const long shifted = static_cast<long>(angle) - 90;
    if (!fitsInt16(shifted)) return std::nullopt;
    const long reduced = shifted % 360;  // truncating: keeps the sign of `shifted`
    const double radians = (static_cast<double>(reduced) / 180.0) * std::numbers::pi;
    const double x = std::floor(a.X - a.radius * std::sin(radians));
    const double y = std::floor(a.Y - a.radius * std::cos(radians));
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    if (!fitsInt16(static_cast<long>(x)) || !fitsInt16(static_cast<long>(y))) return std::nullopt;
    return RayPoint{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

}  // namespace

std::optional<ArcCall> computeArcCall(const ArcArguments& a)
{
    const auto start = rayPoint(a, a.StartAngle);
    if (!start) return std::nullopt;
    const auto end = rayPoint(a, a.EndAngle);
    if (!end) return std::nullopt;

    const long sweep = static_cast<long>(a.EndAngle) - a.StartAngle;
    // -32768 fits in 16 bits but its absolute value does not.
    if (!fitsInt16(sweep) || sweep == -32768) return std::nullopt;

    const long bottom = static_cast<long>(a.Y) + a.radius;
    const long right = static_cast<long>(a.X) + a.radius;
    const long top = static_cast<long>(a.Y) - a.radius;
    const long left = static_cast<long>(a.X) - a.radius;
    if (!fitsInt16(bottom) || !fitsInt16(right) || !fitsInt16(top) || !fitsInt16(left))
        return std::nullopt;

    ArcCall call;
    call.kind = (sweep < 0 ? -sweep : sweep) >= 360 ? ArcCall::Kind::Ellipse : ArcCall::Kind::Arc;
    call.left = static_cast<std::int32_t>(left);
    call.top = static_cast<std::int32_t>(top);
    call.right = static_cast<std::int32_t>(right);
    call.bottom = static_cast<std::int32_t>(bottom);
    call.xStart = start->x;
    call.yStart = start->y;
    call.xEnd = end->x;
    call.yEnd = end->y;
    return call;
}

}  // namespace tavrel::pattern
