#pragma once
// Everything one drawing of the pattern does, worked out from M before anything on screen
// changes: the sizes of the picture, its label and the window, the twelve operations of the
// figure and the ruler. A plan exists only when every step fits.

#include "measure/unit.h"
#include "pattern/arc_call.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace tavrel::pattern {

// A straight line between two absolute points, both ends included, passed on unrounded.
struct LineOp {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const LineOp&) const = default;
};

// One arc of the figure: the rounded arguments handed to the primitive, and the box and rays
// they give.
struct ArcOp {
    ArcArguments arguments;
    ArcCall call;
    bool operator==(const ArcOp&) const = default;
};

using Operation = std::variant<LineOp, ArcOp>;

struct Screen {
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;
};

struct PatternPlan {
    float M = 0;

    // The picture's Move arguments (form pixels) and the whole-pixel size it then has.
    float pictureLeft = 50, pictureTop = 104, pictureMoveWidth = 0, pictureMoveHeight = 0;
    int pictureWidth = 0, pictureHeight = 0;

    // The label's Move arguments (picture pixels) and its whole-pixel geometry.
    float labelMoveTop = 0, labelMoveHeight = 0;
    int labelLeft = 0, labelTop = 0, labelWidth = 0, labelHeight = 0;

    // The window's outer size in twips.
    std::int32_t windowWidth = 0, windowHeight = 0;

    std::vector<Operation> figure;  // the twelve operations, in drawing order
    std::vector<LineOp> ruler;      // the ticks left to right, then the base line

    bool operator==(const PatternPlan&) const = default;
};

// The window is never narrower than this many twips.
constexpr std::int32_t kMinimumWindowWidth = 6615;

// The room the window's controls leave the picture: its top in form pixels and the narrowest
// window in twips. Controls that grew for a larger font or a longer caption ask for more.
struct ControlRoom {
    int pictureTop = 104;
    std::int32_t minimumWindowWidth = kMinimumWindowWidth;
};

// nullopt when M is not above 0 and finite, or when any arc argument, arc call or window size
// leaves its integer range: such an M cannot be drawn.
// The ruler has inch divisions, or centimeter ones for the metric system.
std::optional<PatternPlan> planPattern(float M, Screen screen, measure::UnitSystem ruler,
                                       ControlRoom room = {});

// The whole-pixel size a widget takes when moved to a fractional size.
int wholePixels(float size);

}  // namespace tavrel::pattern
