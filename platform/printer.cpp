#include "platform/printer.h"

#include "measure/physical_units.h"
#include "picture/natural_size.h"
#include "platform/reason_text.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef TAVREL_WITH_CUPS
#include <cups/cups.h>
#endif

#include <memory>

namespace tavrel::platform {
namespace {

using measure::kTwipsPerInch;
using picture::PersistentImage;
constexpr const char* kJobTitle = "Tavrel pattern";

// The printer's default paper, with margins that are exactly its printable area. QPrinter
// starts from margins of its own (10 points), which would move the picture off that corner.
QPageLayout printableLayout(const QPrinterInfo& info)
{
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return layout;
}

#ifdef TAVREL_WITH_CUPS
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
QByteArray renderPage(const PersistentImage& image, double twipsPerPixelX, double twipsPerPixelY,
                      double offsetTwips, const QPageLayout& layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(kJobTitle);
    writer.setCreator("Tavrel");
    writer.setResolution(int(kTwipsPerInch));
    if (!writer.setPageLayout(layout)) return {};
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    const QRectF printable(QPointF(0, 0), layout.paintRectPixels(int(kTwipsPerInch)).size());
    picture::drawAtNaturalSize(painter, image, twipsPerPixelX, twipsPerPixelY,
                               QPointF(offsetTwips, offsetTwips), printable);
    if (!painter.end()) return {};
    return buffer.data();
}

// Hands the document to the spooler as one job, with the printer's own options as `lp` would.
// Empty when the spooler has taken it; otherwise the spooler's reason, and no job is left.
QString submit(const cups_dest_t& dest, const QByteArray& pdf)
{
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, dest.name, kJobTitle, dest.num_options, dest.options);
    if (job == 0) return QString::fromUtf8(cupsLastErrorString());
    const bool taken =
        cupsStartDocument(CUPS_HTTP_DEFAULT, dest.name, job, kJobTitle, CUPS_FORMAT_PDF, 1) ==
            HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) ==
            HTTP_STATUS_CONTINUE &&
        cupsFinishDocument(CUPS_HTTP_DEFAULT, dest.name) == IPP_STATUS_OK;
    if (taken) return {};
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    cupsCancelJob2(CUPS_HTTP_DEFAULT, dest.name, job, 0);
    return reason;
}

#else
// Without CUPS, Qt's own print engine takes the job; it cannot tell whether the spooler took it.
PrintOutcome printThroughQt(const PersistentImage& image, double twipsPerPixelX,
                            double twipsPerPixelY, double offsetTwips)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, QString("There is no default printer. Choose one in the system's printer "
                               "settings, then print again.")};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(kJobTitle);
    const QPageLayout layout = printableLayout(info);
    QPainter painter;
    if (!printer.setPageLayout(layout) || !painter.begin(&printer))
        return {false, QString("The printer \"%1\" could not be started. Nothing was printed.")
                           .arg(info.printerName())};
    painter.scale(printer.resolution() / kTwipsPerInch, printer.resolution() / kTwipsPerInch);
    const QRectF printable(QPointF(0, 0), layout.paintRectPixels(int(kTwipsPerInch)).size());
    picture::drawAtNaturalSize(painter, image, twipsPerPixelX, twipsPerPixelY,
                               QPointF(offsetTwips, offsetTwips), printable);
    if (!painter.end())
        return {false, QString("The printer \"%1\" did not take the job. Nothing was printed.")
                           .arg(info.printerName())};
    return {true, {}};
}
#endif

}  // namespace

PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips)
{
#ifndef TAVREL_WITH_CUPS
    return printThroughQt(image, twipsPerPixelX, twipsPerPixelY, offsetTwips);
#else
    const Destination dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    const QPrinterInfo info = dest ? QPrinterInfo::printerInfo(printerIdOf(*dest)) : QPrinterInfo();
    if (info.isNull())
        return {false, QString("There is no default printer (%1). Choose one in the system's "
                               "printer settings, then print again.")
                           .arg(withoutFullStop(QString::fromUtf8(cupsLastErrorString())))};

    const QByteArray pdf =
        renderPage(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, printableLayout(info));
    if (pdf.isEmpty())
        return {false, QString("The page for the printer \"%1\" could not be prepared. Nothing "
                               "was printed.")
                           .arg(info.printerName())};

    if (const QString reason = submit(*dest, pdf); !reason.isEmpty())
        return {false, QString("The printer \"%1\" did not take the job: %2. Nothing was printed.")
                           .arg(info.printerName(), withoutFullStop(reason))};
    return {true, {}};
#endif
}

}  // namespace tavrel::platform
