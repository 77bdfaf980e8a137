// The default printer through CUPS: the job goes to the spooler as one PDF, with the printer's
// own options as `lp` would give it, and the spooler says whether it took the job.
#include "printing/print_queue.h"

#include "export/pdf_pages.h"
#include "export/reason_text.h"
#include "measure/physical_units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cups/cups.h>

namespace tavrel::printing {
namespace {

struct FreeDestination {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, FreeDestination>;

QString printerIdOf(const cups_dest_t& dest)
{
    QString id = QString::fromLocal8Bit(dest.name);
    if (dest.instance) id += '/' + QString::fromLocal8Bit(dest.instance);
    return id;
}

// One page of PDF whose painter works in twips from the printable area's corner.
QByteArray renderPage(const char* title, const DrawPage& draw, const QPageLayout& layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator("Tavrel");
    writer.setResolution(int(measure::kTwipsPerInch));
    if (!writer.setPageLayout(layout)) return {};
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    draw(painter, printableSize(layout));
    if (!painter.end()) return {};
    return buffer.data();
}

// Hands the document to the spooler as one job, with the printer's own options as `lp` would.
// Empty when the spooler has taken it; otherwise the spooler's reason, and no job is left.
QString submit(const cups_dest_t& dest, const char* title, const QByteArray& pdf)
{
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, dest.name, title, dest.num_options, dest.options);
    if (job == 0) return QString::fromUtf8(cupsLastErrorString());
    const bool taken = cupsStartDocument(CUPS_HTTP_DEFAULT, dest.name, job, title, CUPS_FORMAT_PDF,
                                         1) == HTTP_STATUS_CONTINUE &&
                       cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                            size_t(pdf.size())) == HTTP_STATUS_CONTINUE &&
                       cupsFinishDocument(CUPS_HTTP_DEFAULT, dest.name) == IPP_STATUS_OK;
    if (taken) return {};
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    cupsCancelJob2(CUPS_HTTP_DEFAULT, dest.name, job, 0);
    return reason;
}

PrintOutcome send(const cups_dest_t& dest, const QString& name, const char* title,
                  const QByteArray& pdf)
{
    if (pdf.isEmpty())
        return {false, QCoreApplication::translate("Printer",
                                                   "The page for the printer \"%1\" could not be "
                                                   "prepared. Nothing was printed.")
                           .arg(name)};
    if (const QString reason = submit(dest, title, pdf); !reason.isEmpty())
        //: %1 is the printer, %2 the print system's reason.
        return {false,
                QCoreApplication::translate(
                    "Printer", "The printer \"%1\" did not take the job: %2. Nothing was printed.")
                    .arg(name, exporting::withoutFullStop(reason))};
    return {true, {}};
}

// Whether the print service answers at all: without it, every printer is unknown, even one
// named as the default.
bool printServiceAnswers()
{
    http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      cupsEncryption(), 1, 5000, nullptr);
    httpClose(connection);
    return connection != nullptr;
}

}  // namespace

struct DefaultPrintQueue::Spooler {
    Destination dest;
};

DefaultPrintQueue::DefaultPrintQueue()
    : spooler_(new Spooler{Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr))})
{
    if (spooler_->dest) info_ = QPrinterInfo::printerInfo(printerIdOf(*spooler_->dest));
    if (info_.isNull() && !printServiceAnswers())
        problem_ = QCoreApplication::translate(
            "Printer", "Printing is not available on this system: no print service is running.");
    else if (info_.isNull())
        //: %1 is the print system's reason.
        problem_ = QCoreApplication::translate("Printer",
                                               "There is no default printer (%1). Choose one in the "
                                               "system's printer settings, then print again.")
                       .arg(exporting::withoutFullStop(QString::fromUtf8(cupsLastErrorString())));
}

DefaultPrintQueue::~DefaultPrintQueue() = default;

PrintOutcome DefaultPrintQueue::printPage(const char* title, const DrawPage& draw) const
{
    return send(*spooler_->dest, info_.printerName(), title,
                renderPage(title, draw, printableLayout(info_)));
}

PrintOutcome DefaultPrintQueue::printTiles(const char* title, const PrintTiles& tiles) const
{
    return send(*spooler_->dest, info_.printerName(), title,
                exporting::renderPdfPages(tiles.image, tiles.twipsPerPixelX, tiles.ruler,
                                          tiles.tiling, tiles.correction));
}

}  // namespace tavrel::printing
