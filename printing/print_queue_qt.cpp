// The default printer through Qt's own print engine, where no CUPS is: Qt finds the printer and
// hands it the pages, but cannot tell whether the spooler took the job.
#include "printing/print_queue.h"

#include "export/pdf_pages.h"
#include "measure/physical_units.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace tavrel::printing {
namespace {

QString noDefaultPrinter()
{
    return QCoreApplication::translate(
        "Printer",
        "There is no default printer. Choose one in the system's printer settings, then "
        "print again.");
}

// `drawTiles`, when given, draws every page in twips from the page's corner instead, each after
// the first begun by the function it is given.
using DrawTiles = std::function<bool(QPainter&, const std::function<bool()>& nextPage)>;
PrintOutcome printThroughQt(const QPrinterInfo& info, const char* title, const DrawPage& draw,
                            const DrawTiles& drawTiles)
{
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    const QString notStarted =
        QCoreApplication::translate("Printer",
                                    "The printer \"%1\" could not be started. Nothing was printed.")
            .arg(info.printerName());
    const QPageLayout layout = printableLayout(info);
    if (!printer.setPageLayout(layout)) return {false, notStarted};
    // The tiles' frames count from the page's corner, the one page from the printable area's.
    printer.setFullPage(bool(drawTiles));
    QPainter painter;
    if (!painter.begin(&printer)) return {false, notStarted};
    painter.scale(printer.resolution() / measure::kTwipsPerInch,
                  printer.resolution() / measure::kTwipsPerInch);
    bool drawn = true;
    if (drawTiles)
        drawn = drawTiles(painter, [&] { return printer.newPage(); });
    else
        draw(painter, printableSize(layout));
    if (!painter.end() || !drawn)
        return {false,
                QCoreApplication::translate(
                    "Printer", "The printer \"%1\" did not take the job. Nothing was printed.")
                    .arg(info.printerName())};
    return {true, {}};
}

}  // namespace

struct DefaultPrintQueue::Spooler {};

DefaultPrintQueue::DefaultPrintQueue() : info_(QPrinterInfo::defaultPrinter())
{
    if (info_.isNull()) problem_ = noDefaultPrinter();
}

DefaultPrintQueue::~DefaultPrintQueue() = default;

PrintOutcome DefaultPrintQueue::printPage(const char* title, const DrawPage& draw) const
{
    return printThroughQt(info_, title, draw, {});
}

PrintOutcome DefaultPrintQueue::printTiles(const char* title, const PrintTiles& tiles) const
{
    return printThroughQt(
        info_, title, {}, [&](QPainter& painter, const std::function<bool()>& nextPage) {
            if (!tiles.correction.none())
                painter.scale(tiles.correction.across, tiles.correction.down);
            return exporting::PdfPages{painter, tiles.image, tiles.twipsPerPixelX, tiles.ruler,
                                       tiles.tiling}
                .drawAll(nextPage);
        });
}

}  // namespace tavrel::printing
