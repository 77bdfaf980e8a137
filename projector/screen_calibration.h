#pragma once
// What a screen really shows per inch, as the user measured it with a ruler, kept per screen
// between runs. The size a screen reports about itself is often wrong, so it is never used.

#include <QString>

#include <optional>

class QScreen;

namespace tavrel::projector {

// The range real screens and projections fall in: a projection two meters wide at the low end,
// a phone's panel at the high end. A length typed in the wrong unit falls outside it.
inline constexpr double kMinPixelsPerInch = 20;
inline constexpr double kMaxPixelsPerInch = 600;

// Pixels per inch of a bar `barPixels` long that measures `measuredInches` on the ruler;
// nullopt when no real screen could show that.
std::optional<double> pixelsPerInchFromBar(int barPixels, double measuredInches);

// "name WxH": a screen is known by its name and resolution, so that a changed resolution asks
// for a new calibration.
QString screenKey(const QScreen& screen);

// What is kept for a screen. A value a calibration could not have given (not a number, beyond
// what screens show) is damaged: the screen counts as not calibrated.
struct StoredCalibration {
    std::optional<double> pixelsPerInch;
    bool damaged = false;
};
StoredCalibration readPixelsPerInch(const QString& key);
// nullopt when none is stored or the stored value is damaged.
std::optional<double> storedPixelsPerInch(const QString& key);
// False when the settings file could not be written: the change then holds for this run.
bool storePixelsPerInch(const QString& key, double pixelsPerInch);
bool forgetPixelsPerInch(const QString& key);

}  // namespace tavrel::projector
