#pragma once
// Printing a persistent picture on the system's default printer with its current settings, at
// natural size, as one job: one page when the picture fits, otherwise, once the user agrees,
// the picture whole in overlapping tiles of the printer's paper with a map of them first.

#include "export/pdf_export.h"
#include "picture/persistent_image.h"

#include <QString>

#include <functional>

namespace tavrel::platform {

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

// When the picture's ink fits the printable area with its top-left corner `offsetTwips` from the
// area's left and top, draws it there on one page; n picture pixels cover n x twips-per-pixel
// twips. Otherwise asks `confirm`, then prints the tiles that the pattern's PDF has on the
// printer's paper, each with a check ruler of `ruler`. `sent` only once the spooler has taken
// the whole job.
PrintOutcome printOnDefaultPrinter(const picture::PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   exporting::CheckRuler ruler, const ConfirmTiledPrint& confirm);

}  // namespace tavrel::platform
