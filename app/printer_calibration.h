#pragma once
// The corrections of the printers the user calibrated, kept between runs by the printer's
// spooler name.

#include "export/print_correction.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel::app {

// What is kept for a printer. A value a calibration could not have given (not a number, beyond
// the bounds, one factor without the other) is damaged: it counts as no correction.
struct StoredCorrection {
    exporting::PrintCorrection correction;
    bool damaged = false;
};
StoredCorrection readPrintCorrection(const QString& printerName);
// No correction when none is stored or the stored one is damaged.
exporting::PrintCorrection storedPrintCorrection(const QString& printerName);
// False when the settings file could not be written: the change then holds for this run.
bool storePrintCorrection(const QString& printerName, exporting::PrintCorrection correction);
bool forgetPrintCorrection(const QString& printerName);
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
