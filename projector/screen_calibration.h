#pragma once
// What a screen really shows per inch, as the user measured it with a ruler, kept per screen
// between runs. The size a screen reports about itself is often wrong, so it is never used.

#include "pattern/projection.h"

#include <QString>

#include <optional>

class QScreen;

namespace tavrel::projector {

// The range real screens fall in, and the bar's reading, are the pattern core's.
using pattern::kMaxPixelsPerInch;
using pattern::kMinPixelsPerInch;
using pattern::pixelsPerInchFromBar;

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
