#include "app/pattern_description.h"

#include "app/reading_notice.h"
#include "measure/physical_units.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::app {
namespace {

// The language's numbers, but no digit grouping: "2251" rather than German "2.251", which reads
// as a decimal beside a measurement such as "1000,5".
QLocale numbers()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// Inches to a tenth, without a tenth of 0; millimeters whole.
QString paperLength(double inches, measure::UnitSystem units)
{
    if (units == measure::UnitSystem::Metric)
        return numbers().toString(std::lround(inches * measure::kMillimetersPerInch));
    const double tenths = std::round(inches * 10) / 10;
    return numbers().toString(tenths, 'f', tenths == std::floor(tenths) ? 0 : 1);
}

// A measurement as the box holds it ("1000.5", "2 1/2") in the language's digits and decimal mark.
QString inLanguageNotation(const QString& measurement)
{
    const QLocale locale = numbers();
    QString spoken;
    for (const QChar c : measurement) {
        if (c == '.')
            spoken += locale.decimalPoint();
        else if (c.isDigit())
            spoken += locale.toString(c.digitValue());
        else
            spoken += c;
    }
    return spoken;
}

}  // namespace

QString describePattern(const QString& typed, measure::Unit unit, double drawnInches,
                        QSize picturePixels, double twipsPerPixelX, double twipsPerPixelY)
{
    const QString measurement =
        drawnAsTyped(typed, unit) ? typed.trimmed() : drawnNumber(drawnInches);
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
    return sentence.arg(inLanguageNotation(measurement), across, down);
}

}  // namespace tavrel::app
