#include "screen_metrics.h"

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
    if (!screen) return twipsPerPixelForDpi(96);
    return twipsPerPixelForDpi(horizontal ? screen->logicalDotsPerInchX()
                                          : screen->logicalDotsPerInchY());
}

}  // namespace

float twipsPerPixelForDpi(double dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<float>(1440.0 / dotsPerInch) : 15.0f;
}

float twipsPerPixelX() { return pinned ? *pinned : fromScreen(true); }
float twipsPerPixelY() { return pinned ? *pinned : fromScreen(false); }

void setTwipsPerPixelOverride(std::optional<float> twipsPerPixel) { pinned = twipsPerPixel; }

}  // namespace tavrel::platform
