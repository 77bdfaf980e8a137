#include "projector/screen_calibration.h"

#include "platform/user_settings.h"

#include <QScreen>
#include <QUrl>

#include <cmath>

namespace tavrel::projector {
namespace {

// Screen names may hold the slashes that QSettings takes for groups.
QString settingsKey(const QString& screenKey)
{
    return QStringLiteral("ScreenCalibration/") +
           QString::fromLatin1(QUrl::toPercentEncoding(screenKey));
}

}  // namespace

QString screenKey(const QScreen& screen)
{
    const QSize size = screen.size();
    return QStringLiteral("%1 %2x%3").arg(screen.name()).arg(size.width()).arg(size.height());
}

StoredCalibration readPixelsPerInch(const QString& key)
{
    const QVariant stored = platform::userSetting(settingsKey(key));
    bool isNumber = false;
    const double value = stored.toDouble(&isNumber);
    if (isNumber && pattern::plausiblePixelsPerInch(value)) return {value, false};
    return {std::nullopt, platform::hasUserSetting(settingsKey(key))};
}

std::optional<double> storedPixelsPerInch(const QString& key)
{
    return readPixelsPerInch(key).pixelsPerInch;
}

bool storePixelsPerInch(const QString& key, double pixelsPerInch)
{
    return platform::storeUserSettings({{settingsKey(key), pixelsPerInch}});
}

bool forgetPixelsPerInch(const QString& key)
{
    return platform::storeUserSettings({{settingsKey(key), QVariant()}});
}

}  // namespace tavrel::projector
