#include "app/printer_calibration.h"

#include "platform/user_settings.h"

#include <QCoreApplication>
#include <QLocale>
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

// Absent, or a factor a calibration could give, or damaged.
struct StoredFactor {
    std::optional<double> value;
    bool present = false;
};

StoredFactor storedFactor(const QString& key)
{
    const QVariant stored = platform::userSetting(key);
    bool isNumber = false;
    const double value = stored.toDouble(&isNumber);
    const bool valid = isNumber && exporting::withinBounds(value);
    return {valid ? std::optional(value) : std::nullopt, platform::hasUserSetting(key)};
}

}  // namespace

StoredCorrection readPrintCorrection(const QString& printerName)
{
    const QString group = settingsGroup(printerName);
    const StoredFactor across = storedFactor(group + "/across");
    const StoredFactor down = storedFactor(group + "/down");
    if (!across.value || !down.value) return {{}, across.present || down.present};
    return {{*across.value, *down.value}, false};
}

PrintCorrection storedPrintCorrection(const QString& printerName)
{
    return readPrintCorrection(printerName).correction;
}

bool storePrintCorrection(const QString& printerName, PrintCorrection correction)
{
    const QString group = settingsGroup(printerName);
    return platform::storeUserSettings(
        {{group + "/across", correction.across}, {group + "/down", correction.down}});
}

bool forgetPrintCorrection(const QString& printerName)
{
    const QString group = settingsGroup(printerName);
    return platform::storeUserSettings({{group + "/across", {}}, {group + "/down", {}}});
}

QStringList calibratedPrinters()
{
    QStringList printers;
    for (const QString& encoded : platform::userSettingGroups(kGroup)) {
        const QString name = QUrl::fromPercentEncoding(encoded.toLatin1());
        if (!storedPrintCorrection(name).none()) printers << name;
    }
    return printers;
}

MeasuredCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                      double nominalDown, double measuredDown)
{
    const PrintCorrection correction =
        pages::correctionFromBars(nominalAcross, measuredAcross, nominalDown, measuredDown);
    if (!pages::withinBounds(correction))
        return {std::nullopt,
                //: %1 is the correction, such as "130 % across, 99.5 % down"; %2 and %3 are
                //: the least and the greatest percentages, 80 and 125.
                QCoreApplication::translate(
                    "PrinterCalibration",
                    "These lengths would need a correction of %1, beyond what a printer at 100 % "
                    "needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the "
                    "bars again, and type the lengths in the unit chosen here.")
                    .arg(exporting::correctionText(correction),
                         exporting::percentText(exporting::kLeastCorrection),
                         exporting::percentText(exporting::kGreatestCorrection))};
    return {correction, {}};
}

}  // namespace tavrel::app
