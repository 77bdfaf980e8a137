#include "platform/screen_metrics.h"

#include "measure/physical_units.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavrel::platform {
namespace {

struct Pinned {
    float across, down;
};
std::optional<Pinned> pinned;

float fromScreen(bool horizontal)
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen) return measure::twipsPerPixelForDpi(96);
    return measure::twipsPerPixelForDpi(horizontal ? screen->logicalDotsPerInchX()
                                                   : screen->logicalDotsPerInchY());
}

}  // namespace

float twipsPerPixelX() { return pinned ? pinned->across : fromScreen(true); }
float twipsPerPixelY() { return pinned ? pinned->down : fromScreen(false); }

void setTwipsPerPixelOverride(std::optional<float> twipsPerPixel)
{
    pinned = twipsPerPixel ? std::optional(Pinned{*twipsPerPixel, *twipsPerPixel}) : std::nullopt;
}

void setTwipsPerPixelOverride(float across, float down) { pinned = Pinned{across, down}; }

}  // namespace tavrel::platform
