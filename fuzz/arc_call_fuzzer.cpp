// The arc primitive over any five 16-bit arguments: it refuses exactly when a 16-bit step
// would overflow, and otherwise gives a call whose box is the circle's, whose kind follows the
// sweep, and whose ray points lie on the circle at the given angles (counter-clockwise from
// the right, y down), rounded down.
// Input: X, Y, StartAngle, EndAngle and radius as 2 raw bytes each.

#include "fuzz_require.h"
#include "pattern/arc_call.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace {

using namespace tavrel::pattern;

bool fitsInt16(long value) { return value >= -32768 && value <= 32767; }

// The ray point at `angle` degrees by the plain formula, to within a pixel of the primitive's.
void checkRayPoint(const ArcArguments& a, std::int16_t angle, std::int32_t x, std::int32_t y)
{
    const double radians = angle * std::numbers::pi / 180.0;
    const double exactX = a.X + a.radius * std::cos(radians);
    const double exactY = a.Y - a.radius * std::sin(radians);
    FUZZ_REQUIRE(std::fabs(x + 0.5 - exactX) <= 1.0);
    FUZZ_REQUIRE(std::fabs(y + 0.5 - exactY) <= 1.0);
    FUZZ_REQUIRE(fitsInt16(x) && fitsInt16(y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int16_t v[5] = {};
    std::memcpy(v, data, size < sizeof v ? size : sizeof v);
    const ArcArguments a{v[0], v[1], v[2], v[3], v[4]};

    const auto call = computeArcCall(a);
    FUZZ_REQUIRE(call == computeArcCall(a));

    const long sweep = static_cast<long>(a.EndAngle) - a.StartAngle;
    const long left = static_cast<long>(a.X) - a.radius, right = static_cast<long>(a.X) + a.radius;
    const long top = static_cast<long>(a.Y) - a.radius, bottom = static_cast<long>(a.Y) + a.radius;
    const bool stepsFit = a.StartAngle >= -32678 && a.EndAngle >= -32678 && fitsInt16(sweep) &&
                          sweep != -32768 && fitsInt16(left) && fitsInt16(right) &&
                          fitsInt16(top) && fitsInt16(bottom);
    if (!stepsFit) {
        FUZZ_REQUIRE(!call);
        return 0;
    }
    // A ray point lies within the box, give or take the pixel that rounding down can add, so
    // a box one pixel inside the range always fits.
    const bool pointsFit = left > -32768 && right > -32768 && top > -32768 && bottom > -32768;
    if (pointsFit) FUZZ_REQUIRE(call);
    if (!call) return 0;

    FUZZ_REQUIRE(call->left == left && call->right == right);
    FUZZ_REQUIRE(call->top == top && call->bottom == bottom);
    const bool wholeCircle = std::labs(sweep) >= 360;
    FUZZ_REQUIRE((call->kind == ArcCall::Kind::Ellipse) == wholeCircle);
    checkRayPoint(a, a.StartAngle, call->xStart, call->yStart);
    checkRayPoint(a, a.EndAngle, call->xEnd, call->yEnd);
    return 0;
}
