#include "app/screen_calibration.h"

#include "app/user_settings.h"
#include "measure/physical_units.h"
#include "measure/text_readings.h"

#include <QScreen>
#include <QUrl>

#include <cmath>

namespace tavrel::app {
namespace {

bool plausible(double pixelsPerInch)
{
    return std::isfinite(pixelsPerInch) && pixelsPerInch >= kMinPixelsPerInch &&
           pixelsPerInch <= kMaxPixelsPerInch;
}

std::optional<double> readNumber(const QString& text)
{
    return measure::strictReading(text.toStdString());
}

// Screen names may hold the slashes that QSettings takes for groups.
QString settingsKey(const QString& screenKey)
{
    return QStringLiteral("ScreenCalibration/") +
           QString::fromLatin1(QUrl::toPercentEncoding(screenKey));
}

}  // namespace

std::optional<double> pixelsPerInchFromBar(int barPixels, double measuredInches)
{
    if (barPixels <= 0 || !(measuredInches > 0)) return std::nullopt;
    const double pixelsPerInch = barPixels / measuredInches;
    return plausible(pixelsPerInch) ? std::optional(pixelsPerInch) : std::nullopt;
}

std::optional<double> readTypedInches(const QString& text, bool millimetres)
{
    const QString trimmed = text.trimmed();
    if (millimetres) {
        const auto value = readNumber(trimmed);
        return value ? std::optional(*value / measure::kMillimetresPerInch) : std::nullopt;
    }
    if (const auto value = readNumber(trimmed)) return value;
    const QStringList parts = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2) return std::nullopt;
    const QStringList fraction = parts.last().split(QLatin1Char('/'));
    if (fraction.size() != 2) return std::nullopt;
    const auto numerator = readNumber(fraction[0]);
    const auto denominator = readNumber(fraction[1]);
    const auto whole = parts.size() == 2 ? readNumber(parts[0]) : std::optional(0.0);
    if (!numerator || !denominator || !whole || *denominator == 0) return std::nullopt;
    return *whole + *numerator / *denominator;
}

QString screenKey(const QScreen& screen)
{
    const QSize size = screen.size();
    return QStringLiteral("%1 %2x%3").arg(screen.name()).arg(size.width()).arg(size.height());
}

StoredCalibration readPixelsPerInch(const QString& key)
{
    const QVariant stored = userSetting(settingsKey(key));
    bool isNumber = false;
    const double value = stored.toDouble(&isNumber);
    if (isNumber && plausible(value)) return {value, false};
    return {std::nullopt, stored.isValid()};
}

std::optional<double> storedPixelsPerInch(const QString& key)
{
    return readPixelsPerInch(key).pixelsPerInch;
}

bool storePixelsPerInch(const QString& key, double pixelsPerInch)
{
    return storeUserSettings({{settingsKey(key), pixelsPerInch}});
}

bool forgetPixelsPerInch(const QString& key)
{
    return storeUserSettings({{settingsKey(key), QVariant()}});
}

}  // namespace tavrel::app
