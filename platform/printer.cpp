#include "platform/printer.h"

#include "export/pdf_export.h"
#include "export/pdf_pages.h"
#include "measure/physical_units.h"
#include "picture/natural_size.h"
#include "picture/picture_ink.h"
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

#include <algorithm>
#include <memory>
#include <optional>

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

QSizeF printableSize(const QPageLayout& layout)
{
    return layout.paintRectPixels(int(kTwipsPerInch)).size();
}

bool inkFits(const PersistentImage& image, double twipsPerPixelX, double twipsPerPixelY,
             double offsetTwips, QSizeF printable)
{
    const QSizeF ink = picture::PictureInk(image).extent();
    return offsetTwips + ink.width() * twipsPerPixelX <= printable.width() &&
           offsetTwips + ink.height() * twipsPerPixelY <= printable.height();
}

// Tiles keep the PDF's margins, so that they are its pages on the same paper, or the printer's
// where it cannot print that far out.
exporting::PageFrame tileFrameOf(const QPageLayout& layout)
{
    constexpr double kTwipsPerPoint = 20;
    const QMarginsF printer = layout.margins(QPageLayout::Point) * kTwipsPerPoint;
    const double least = exporting::kPdfMarginTwips;
    return exporting::pageFrameOf(
        layout.pageSize(),
        QMarginsF(std::max(printer.left(), least), std::max(printer.top(), least),
                  std::max(printer.right(), least), std::max(printer.bottom(), least)));
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
    picture::drawAtNaturalSize(painter, image, twipsPerPixelX, twipsPerPixelY,
                               QPointF(offsetTwips, offsetTwips),
                               QRectF(QPointF(0, 0), printableSize(layout)));
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
                            double twipsPerPixelY, double offsetTwips, exporting::CheckRuler ruler,
                            const ConfirmTiledPrint& confirm)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, QString("There is no default printer. Choose one in the system's printer "
                               "settings, then print again.")};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(kJobTitle);
    const QPageLayout layout = printableLayout(info);
    const bool fits =
        inkFits(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, printableSize(layout));
    std::optional<exporting::PdfTiling> tiling;
    if (!fits) {
        tiling = exporting::pdfTilingOf(image, twipsPerPixelX, tileFrameOf(layout));
        if (!confirm({tiling->pageCount, layout.pageSize().name(), info.printerName()})) return {};
    }
    const QString notStarted =
        QString("The printer \"%1\" could not be started. Nothing was printed.")
            .arg(info.printerName());
    if (!printer.setPageLayout(layout)) return {false, notStarted};
    // The tiles' frames count from the page's corner, the one page from the printable area's.
    printer.setFullPage(tiling.has_value());
    QPainter painter;
    if (!painter.begin(&printer)) return {false, notStarted};
    painter.scale(printer.resolution() / kTwipsPerInch, printer.resolution() / kTwipsPerInch);
    bool drawn = true;
    if (tiling)
        drawn = exporting::PdfPages{painter, image, twipsPerPixelX, ruler, *tiling}.drawAll(
            [&] { return printer.newPage(); });
    else
        picture::drawAtNaturalSize(painter, image, twipsPerPixelX, twipsPerPixelY,
                                   QPointF(offsetTwips, offsetTwips),
                                   QRectF(QPointF(0, 0), printableSize(layout)));
    if (!painter.end() || !drawn)
        return {false, QString("The printer \"%1\" did not take the job. Nothing was printed.")
                           .arg(info.printerName())};
    return {true, {}};
}
#endif

}  // namespace

PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   exporting::CheckRuler ruler, const ConfirmTiledPrint& confirm)
{
#ifndef TAVREL_WITH_CUPS
    return printThroughQt(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, ruler, confirm);
#else
    const Destination dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    const QPrinterInfo info = dest ? QPrinterInfo::printerInfo(printerIdOf(*dest)) : QPrinterInfo();
    if (info.isNull())
        return {false, QString("There is no default printer (%1). Choose one in the system's "
                               "printer settings, then print again.")
                           .arg(withoutFullStop(QString::fromUtf8(cupsLastErrorString())))};

    const QPageLayout layout = printableLayout(info);
    QByteArray pdf;
    if (inkFits(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, printableSize(layout))) {
        pdf = renderPage(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, layout);
    } else {
        // The tiles take one scale across and down, as the screen's pixels are square.
        const exporting::PdfTiling tiling =
            exporting::pdfTilingOf(image, twipsPerPixelX, tileFrameOf(layout));
        if (!confirm({tiling.pageCount, layout.pageSize().name(), info.printerName()})) return {};
        pdf = exporting::renderPdfPages(image, twipsPerPixelX, ruler, tiling);
    }
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
