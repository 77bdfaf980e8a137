#include "app/printer_calibration.h"

#include "app/user_settings.h"

#include <QCoreApplication>
#include <QUrl>

namespace tavrel::app {
namespace {

using exporting::PrintCorrection;

const QString kGroup = QStringLiteral("PrinterCorrection");

// Printer names may hold the slashes that QSettings takes for groups.
QString settingsGroup(const QString& printerName)
{
    return kGroup + '/' + QString::fromLatin1(QUrl::toPercentEncoding(printerName));
}

std::optional<double> storedFactor(const QString& key)
{
    bool isNumber = false;
    const double value = userSettings().value(key).toDouble(&isNumber);
    return isNumber && exporting::withinBounds(value) ? std::optional(value) : std::nullopt;
}

}  // namespace

PrintCorrection storedPrintCorrection(const QString& printerName)
{
    const QString group = settingsGroup(printerName);
    const auto across = storedFactor(group + "/across");
    const auto down = storedFactor(group + "/down");
    if (!across || !down) return {};
    return {*across, *down};
}

void storePrintCorrection(const QString& printerName, PrintCorrection correction)
{
    const QString group = settingsGroup(printerName);
    userSettings().setValue(group + "/across", correction.across);
    userSettings().setValue(group + "/down", correction.down);
}

void forgetPrintCorrection(const QString& printerName)
{
    userSettings().remove(settingsGroup(printerName));
}

QStringList calibratedPrinters()
{
    QSettings settings = userSettings();
    settings.beginGroup(kGroup);
    QStringList printers;
    for (const QString& encoded : settings.childGroups()) {
        const QString name = QUrl::fromPercentEncoding(encoded.toLatin1());
        if (!storedPrintCorrection(name).none()) printers << name;
    }
    return printers;
}

MeasuredCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                      double nominalDown, double measuredDown)
{
    const PrintCorrection correction{nominalAcross / measuredAcross, nominalDown / measuredDown};
    if (!exporting::withinBounds(correction.across) || !exporting::withinBounds(correction.down))
        return {std::nullopt,
                //: %1 is the correction, such as "1.0204 across, 0.9950 down"; %2 and %3 are
                //: the least and the greatest factors, such as 0.8 and 1.25.
                QCoreApplication::translate(
                    "PrinterCalibration",
                    "These lengths would need a correction of %1, beyond what a printer at 100 % "
                    "needs (%2 to %3). Check that the sheet was printed at 100 %, measure the bars "
                    "again, and type the lengths in the unit chosen here.")
                    .arg(exporting::correctionText(correction))
                    .arg(exporting::kLeastCorrection)
                    .arg(exporting::kGreatestCorrection)};
    return {correction, {}};
}

}  // namespace tavrel::app
