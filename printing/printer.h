#pragma once
// Printing a persistent picture on the system's default printer with its current settings, at
// natural size, as one job: one page when the picture fits, otherwise, once the user agrees,
// the picture whole in overlapping tiles of the printer's paper with a map of them first. A
// printer calibrated against its scaling error gets its pages enlarged by the correction.

#include "export/print_correction.h"
#include "measure/unit.h"
#include "picture/persistent_image.h"

#include <QSizeF>
#include <QString>

#include <functional>

namespace tavrel::printing {

struct PrintOutcome {
    bool sent = false;
    QString problem;  // what went wrong, for the user; empty when the user cancelled
};

// A print larger than the page, as it would go out.
struct TiledPrint {
    int pageCount = 0;  // the map included
    QString paperName;
    QString printerName;
};
// Whether to send it.
using ConfirmTiledPrint = std::function<bool(const TiledPrint&)>;
// The correction stored for a printer, known by its spooler name.
using CorrectionFor = std::function<exporting::PrintCorrection(const QString& printerName)>;

// When the picture's ink fits the printable area with its top-left corner `offsetTwips` from the
// area's left and top, draws it there on one page; n picture pixels cover n x twips-per-pixel
// twips. Otherwise asks `confirm`, then prints the tiles that the pattern's PDF has on the
// printer's paper, each with a check ruler of `ruler`. With the printer's correction, the page
// is enlarged about the printable area's corner and whether it fits is judged enlarged, and so
// are the tiles' pages about the page's corner. `sent` only once the spooler has taken the
// whole job.
PrintOutcome printOnDefaultPrinter(const picture::PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   measure::UnitSystem ruler, const CorrectionFor& correctionFor,
                                   const ConfirmTiledPrint& confirm);

// The default printer as its calibration needs it; a `problem` for the user when there is none.
struct DefaultPrinter {
    QString name;
    QSizeF printableTwips;
    QString problem;
};
DefaultPrinter defaultPrinter();

// The calibration sheet on the default printer, never corrected: it measures the printer as it
// is.
PrintOutcome printCalibrationSheet(measure::UnitSystem unit);

}  // namespace tavrel::printing
