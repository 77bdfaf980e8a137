#include "platform/screen_metrics.h"

#include "measure/physical_units.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavrel::platform {
namespace {

std::optional<float> pinned;

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

float twipsPerPixelX() { return pinned ? *pinned : fromScreen(true); }
float twipsPerPixelY() { return pinned ? *pinned : fromScreen(false); }

void setTwipsPerPixelOverride(std::optional<float> twipsPerPixel) { pinned = twipsPerPixel; }

}  // namespace tavrel::platform
