#pragma once
// The arc primitive: from a centre, a radius and two angles in whole degrees to an arc given by
// its box and the rays from the box's centre through a start and an end point (or the whole
// outline), in integers. Every step on 16-bit values is checked.

#include <cstdint>
#include <optional>

namespace tavrel::pattern {

struct ArcArguments {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t StartAngle = 0;
    std::int16_t EndAngle = 0;
    std::int16_t radius = 0;

    bool operator==(const ArcArguments&) const = default;
};

struct ArcCall {
    enum class Kind { Arc, Ellipse };
    Kind kind = Kind::Arc;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    // The ray points; set for both kinds (they are computed, and checked, before the sweep test).
    std::int32_t xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;

    bool operator==(const ArcCall&) const = default;
};

// nullopt when a 16-bit step overflows or a floating-point result is not finite: nothing is
// to be drawn then.
std::optional<ArcCall> computeArcCall(const ArcArguments& arguments);

}  // namespace tavrel::pattern
