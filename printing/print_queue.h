#pragma once
// The default printer as each system's print path reaches it: on Linux through CUPS, which
// says whether the spooler took a job, which Qt's print engine does not; on Windows through
// Qt's own print engine. Both print what printer.cpp lays out.

#include "export/pdf_export.h"
#include "export/print_correction.h"
#include "picture/persistent_image.h"
#include "printing/printer.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include <functional>
#include <memory>

class QPainter;

namespace tavrel::printing {

// Draws one page, on a painter in twips from the printable area's corner.
using DrawPage = std::function<void(QPainter&, QSizeF printable)>;

// The pattern in tiles, drawn as the PDF draws them, each page enlarged by the correction.
struct PrintTiles {
    const picture::PersistentImage& image;
    double twipsPerPixelX;
    measure::UnitSystem ruler;
    const exporting::PdfTiling& tiling;
    exporting::PrintCorrection correction;
};

// The printer's default paper, with margins that are exactly its printable area.
QPageLayout printableLayout(const QPrinterInfo& info);
QSizeF printableSize(const QPageLayout& layout);

class DefaultPrintQueue {
public:
    DefaultPrintQueue();
    ~DefaultPrintQueue();
    DefaultPrintQueue(const DefaultPrintQueue&) = delete;
    DefaultPrintQueue& operator=(const DefaultPrintQueue&) = delete;

    // Why there is no default printer, for the user; empty when there is one.
    const QString& problem() const { return problem_; }
    const QPrinterInfo& info() const { return info_; }

    // One job of one page on the printer's default paper, laid out as printableLayout says.
    PrintOutcome printPage(const char* title, const DrawPage& draw) const;
    PrintOutcome printTiles(const char* title, const PrintTiles& tiles) const;

private:
    struct Spooler;  // what the system's print path keeps of the printer
    std::unique_ptr<Spooler> spooler_;
    QPrinterInfo info_;
    QString problem_;
};

}  // namespace tavrel::printing
