#include "app/pattern_description.h"

#include "measure/physical_units.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::app {
namespace {

// Inches to a tenth, without a tenth of 0; millimetres whole.
QString paperLength(double inches, bool millimetres)
{
    if (millimetres) return QLocale().toString(std::lround(inches * measure::kMillimetresPerInch));
    const double tenths = std::round(inches * 10) / 10;
    return QLocale().toString(tenths, 'f', tenths == std::floor(tenths) ? 0 : 1);
}

}  // namespace

QString describePattern(const QString& typed, measure::Unit unit, QSize picturePixels,
                        double twipsPerPixelX, double twipsPerPixelY)
{
    const bool millimetres = unit == measure::Unit::Millimeter;
    const QString across =
        paperLength(picturePixels.width() * twipsPerPixelX / measure::kTwipsPerInch, millimetres);
    const QString down =
        paperLength(picturePixels.height() * twipsPerPixelY / measure::kTwipsPerInch, millimetres);
    const QString sentence =
        millimetres
            ? QCoreApplication::translate(
                  "PatternDescription",
                  "Pattern for %1 millimeters, %2 by %3 millimeters when printed")
            : QCoreApplication::translate("PatternDescription",
                                          "Pattern for %1 inches, %2 by %3 inches when printed");
    return sentence.arg(typed.trimmed(), across, down);
}

}  // namespace tavrel::app
