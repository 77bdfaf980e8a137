#include "app/pattern_description.h"

#include "measure/physical_units.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::app {
namespace {

// Inches to a tenth, without a tenth of 0; millimeters whole.
QString paperLength(double inches, measure::UnitSystem units)
{
    if (units == measure::UnitSystem::Metric)
        return QLocale().toString(std::lround(inches * measure::kMillimetersPerInch));
    const double tenths = std::round(inches * 10) / 10;
    return QLocale().toString(tenths, 'f', tenths == std::floor(tenths) ? 0 : 1);
}

}  // namespace

QString describePattern(const QString& typed, measure::Unit unit, QSize picturePixels,
                        double twipsPerPixelX, double twipsPerPixelY)
{
    const measure::UnitSystem units = measure::unitSystemOf(unit);
    const QString across =
        paperLength(picturePixels.width() * twipsPerPixelX / measure::kTwipsPerInch, units);
    const QString down =
        paperLength(picturePixels.height() * twipsPerPixelY / measure::kTwipsPerInch, units);
    const QString sentence =
        units == measure::UnitSystem::Metric
            ? QCoreApplication::translate(
                  "PatternDescription",
                  "Pattern for %1 millimeters, %2 by %3 millimeters when printed")
            : QCoreApplication::translate("PatternDescription",
                                          "Pattern for %1 inches, %2 by %3 inches when printed");
    return sentence.arg(typed.trimmed(), across, down);
}

}  // namespace tavrel::app
