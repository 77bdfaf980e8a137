#pragma once
// The corrections of the printers the user calibrated, kept between runs by the printer's
// spooler name.

#include "export/print_correction.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel::app {

// No correction when none is stored or the stored one is not one a calibration could give.
exporting::PrintCorrection storedPrintCorrection(const QString& printerName);
void storePrintCorrection(const QString& printerName, exporting::PrintCorrection correction);
void forgetPrintCorrection(const QString& printerName);
// The printers with a correction kept, by name.
QStringList calibratedPrinters();

// The correction for bars printed `nominal` long and measured `measured` (in one unit), or the
// reason it is refused.
struct MeasuredCorrection {
    std::optional<exporting::PrintCorrection> correction;
    QString problem;
};
MeasuredCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                      double nominalDown, double measuredDown);

}  // namespace tavrel::app
