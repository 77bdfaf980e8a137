#pragma once
// The persistent picture as a PDF to print at actual size: one page when it fits the paper,
// placed as the printout places it; otherwise a map of the pages, then overlapping tiles with
// alignment marks and labels. Every page carries a check ruler and says to print at 100 %,
// and the file asks viewers not to scale it.

#include "export/pdf_tiling.h"
#include "measure/unit.h"
#include "picture/persistent_image.h"

class QIODevice;

namespace tavrel::exporting {

// Where the picture goes on pages of `paper`, or on pages of one frame: the part of it that
// holds ink.
PdfTiling pdfTilingOf(const picture::PersistentImage& image, double twipsPerPixel, Paper paper,
                      PrintCorrection correction = {});
PdfTiling pdfTilingOf(const picture::PersistentImage& image, double twipsPerPixel,
                      const PageFrame& page);

// The tiling's pages as a PDF: the one page, or the map and then the tiles, each page the size
// of its frame. Everything is drawn enlarged by `correction` about the page's corner, for
// frames that were corrected by it. Empty when the document cannot be made.
QByteArray renderPdfPages(const picture::PersistentImage& image, double twipsPerPixel,
                          measure::UnitSystem ruler, const PdfTiling& tiling,
                          PrintCorrection correction = {});

// The PDF onto the device, asking viewers to print it at actual size. False when it cannot be
// read or the device refuses it.
bool writeWithActualSize(const QByteArray& pdf, QIODevice& device);

// False when the document cannot be made or the device refuses it. The words on the pages
// need the fonts of a QGuiApplication.
bool writePdf(const picture::PersistentImage& image, double twipsPerPixel,
              measure::UnitSystem ruler, Paper paper, QIODevice& device,
              PrintCorrection correction = {});

}  // namespace tavrel::exporting
