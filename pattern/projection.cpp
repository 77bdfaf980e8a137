#include "pattern/projection.h"

#include "measure/physical_units.h"

#include <algorithm>
#include <cmath>

namespace tavrel::pattern {
namespace {

// The first multiple of `step` past `corner` at or left of `from`, so that lines fall on the
// pattern's units wherever the view starts.
double firstLine(double from, double corner, double step)
{
    return corner + std::floor((from - corner) / step) * step;
}

}  // namespace

bool plausiblePixelsPerInch(double pixelsPerInch)
{
    return std::isfinite(pixelsPerInch) && pixelsPerInch >= kMinPixelsPerInch &&
           pixelsPerInch <= kMaxPixelsPerInch;
}

std::optional<double> pixelsPerInchFromBar(int barPixels, double measuredInches)
{
    if (barPixels <= 0 || !(measuredInches > 0)) return std::nullopt;
    const double pixelsPerInch = barPixels / measuredInches;
    return plausiblePixelsPerInch(pixelsPerInch) ? std::optional(pixelsPerInch) : std::nullopt;
}

ProjectionScale projectionScale(double pixelsPerInch, double twipsPerPixel,
                                measure::UnitSystem ruler)
{
    return {pixelsPerInch * twipsPerPixel / measure::kTwipsPerInch,
            ruler == measure::UnitSystem::Metric ? pixelsPerInch / measure::kCentimetersPerInch
                                                 : pixelsPerInch};
}

std::vector<ScreenLine> gridLines(ScreenArea view, int cornerX, int cornerY, double unitPixels)
{
    std::vector<ScreenLine> lines;
    for (double x = firstLine(view.left, cornerX, unitPixels); x <= view.right; x += unitPixels) {
        const int column = static_cast<int>(std::lround(x));
        lines.push_back({column, view.top, column, view.bottom});
    }
    for (double y = firstLine(view.top, cornerY, unitPixels); y <= view.bottom; y += unitPixels) {
        const int row = static_cast<int>(std::lround(y));
        lines.push_back({view.left, row, view.right, row});
    }
    return lines;
}

std::vector<ScreenLine> checkRulerLines(ScreenArea view, double unitPixels)
{
    const int width = view.right - view.left + 1;
    const int units = std::min(10, static_cast<int>((width - 2 * kCheckRulerMargin) / unitPixels));
    if (units < 1) return {};
    const int left = view.left + kCheckRulerMargin;
    const int top = view.top + kCheckRulerMargin;
    const int base = top + kCheckRulerTick;
    std::vector<ScreenLine> lines;
    for (int i = 0; i <= units; ++i) {
        const int x = left + static_cast<int>(std::lround(i * unitPixels));
        lines.push_back({x, top, x, base});
    }
    lines.push_back({left, base, left + static_cast<int>(std::lround(units * unitPixels)), base});
    return lines;
}

}  // namespace tavrel::pattern
