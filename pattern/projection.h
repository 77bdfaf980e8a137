#pragma once
// The pattern on a projector or any screen at true scale: what a bar matched to a real ruler
// says of the screen, the scale it gives the picture, and where the marks that check that scale
// by eye go, in screen pixels.

#include "measure/unit.h"

#include <optional>
#include <vector>

namespace tavrel::pattern {

// The range real screens and projections fall in: a projection two meters wide at the low end,
// a phone's panel at the high end. A length typed in the wrong unit falls outside it.
inline constexpr double kMinPixelsPerInch = 20;
inline constexpr double kMaxPixelsPerInch = 600;

bool plausiblePixelsPerInch(double pixelsPerInch);

// Pixels per inch of a bar `barPixels` long that measures `measuredInches` on the ruler;
// nullopt when no real screen could show that.
std::optional<double> pixelsPerInchFromBar(int barPixels, double measuredInches);

struct ProjectionScale {
    double screenPixelsPerPicturePixel = 1;
    double unitPixels = 96;  // one centimeter or inch on the screen
};

// For a picture drawn at `twipsPerPixel` on a screen of `pixelsPerInch`, with a check ruler of
// inches or centimeters.
ProjectionScale projectionScale(double pixelsPerInch, double twipsPerPixel,
                                measure::UnitSystem ruler);

// A view's pixels from `left`, `top` through `right`, `bottom`, both included.
struct ScreenArea {
    int left = 0, top = 0, right = -1, bottom = -1;
};

struct ScreenLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const ScreenLine&) const = default;
};

// Lines one unit apart across the whole view, through the pattern's corner so that they move
// with it.
std::vector<ScreenLine> gridLines(ScreenArea view, int cornerX, int cornerY, double unitPixels);

// A ruler of whole units, up to ten, fixed near the view's top-left corner: a tick at every unit
// standing on one base line, which comes last.
std::vector<ScreenLine> checkRulerLines(ScreenArea view, double unitPixels);

// Where the check ruler stands, for whoever measures it.
inline constexpr int kCheckRulerMargin = 40;
inline constexpr int kCheckRulerTick = 20;

}  // namespace tavrel::pattern
