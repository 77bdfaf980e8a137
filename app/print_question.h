#pragma once
// What the user is asked or told before a print: the question before a pattern larger than the
// page goes to the printer in tiles, and a damaged correction.

#include "printing/printer.h"

class QWidget;

namespace tavrel::app {

// Says how many pages of which paper the print takes, and whether the user wants it: Print
// (the default button) or Cancel. Modal over `parent`.
bool confirmTiledPrint(QWidget* parent, const printing::TiledPrint& print);

// The correction kept for `printerName`. A damaged one is ignored: before the first print on
// that printer in a run, a modal message over `parent` says that it goes out uncorrected.
exporting::PrintCorrection correctionForPrint(QWidget* parent, const QString& printerName);

}  // namespace tavrel::app
