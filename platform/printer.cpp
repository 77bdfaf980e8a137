#include "platform/printer.h"

#include "export/calibration_sheet.h"
#include "export/pdf_export.h"
#include "export/pdf_pages.h"
#include "measure/physical_units.h"
#include "picture/natural_size.h"
#include "picture/picture_ink.h"
#include "platform/reason_text.h"

#include <QBuffer>
#include <QCoreApplication>
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

using exporting::PrintCorrection;
using measure::kTwipsPerInch;
using picture::PersistentImage;
constexpr const char* kJobTitle = "Tavrel pattern";
constexpr const char* kSheetTitle = "Tavrel printer calibration";

// Draws one page, on a painter in twips from the printable area's corner.
using DrawPage = std::function<void(QPainter&, QSizeF printable)>;

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
             double offsetTwips, QSizeF printable, PrintCorrection correction)
{
    const QSizeF ink = picture::PictureInk(image).extent();
    return (offsetTwips + ink.width() * twipsPerPixelX) * correction.across <= printable.width() &&
           (offsetTwips + ink.height() * twipsPerPixelY) * correction.down <= printable.height();
}

// The one page of a picture that fits, enlarged by the correction about the area's corner.
DrawPage pictureOnPage(const PersistentImage& image, double twipsPerPixelX, double twipsPerPixelY,
                       double offsetTwips, PrintCorrection correction)
{
    return [&image, twipsPerPixelX, twipsPerPixelY, offsetTwips, correction](QPainter& painter,
                                                                             QSizeF printable) {
        if (!correction.none()) painter.scale(correction.across, correction.down);
        const QSizeF seen(printable.width() / correction.across,
                          printable.height() / correction.down);
        picture::drawAtNaturalSize(painter, image, twipsPerPixelX, twipsPerPixelY,
                                   QPointF(offsetTwips, offsetTwips), QRectF(QPointF(0, 0), seen));
    };
}

DrawPage calibrationSheet(exporting::CheckRuler unit)
{
    return [unit](QPainter& painter, QSizeF printable) {
        exporting::drawCalibrationSheet(painter, QRectF(QPointF(0, 0), printable), unit);
    };
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
QByteArray renderPage(const char* title, const DrawPage& draw, const QPageLayout& layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator("Tavrel");
    writer.setResolution(int(kTwipsPerInch));
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

struct DefaultDestination {
    Destination dest;
    QPrinterInfo info;
    QString problem;
};

// Whether the print service answers at all: without it, every printer is unknown, even one
// named as the default.
bool printServiceAnswers()
{
    http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      cupsEncryption(), 1, 5000, nullptr);
    httpClose(connection);
    return connection != nullptr;
}

DefaultDestination defaultDestination()
{
    Destination dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    const QPrinterInfo info = dest ? QPrinterInfo::printerInfo(printerIdOf(*dest)) : QPrinterInfo();
    if (info.isNull() && !printServiceAnswers())
        return {nullptr,
                {},
                QCoreApplication::translate(
                    "Printer", "Printing is not available on this system: no print service is "
                               "running.")};
    if (info.isNull())
        return {nullptr,
                {},
                //: %1 is the print system's reason.
                QCoreApplication::translate("Printer",
                                            "There is no default printer (%1). Choose one in the "
                                            "system's printer settings, then print again.")
                    .arg(withoutFullStop(QString::fromUtf8(cupsLastErrorString())))};
    return {std::move(dest), info, {}};
}

PrintOutcome send(const DefaultDestination& target, const char* title, const QByteArray& pdf)
{
    const QString name = target.info.printerName();
    if (pdf.isEmpty())
        return {false, QCoreApplication::translate("Printer",
                                                   "The page for the printer \"%1\" could not be "
                                                   "prepared. Nothing was printed.")
                           .arg(name)};
    if (const QString reason = submit(*target.dest, title, pdf); !reason.isEmpty())
        //: %1 is the printer, %2 the print system's reason.
        return {false,
                QCoreApplication::translate(
                    "Printer", "The printer \"%1\" did not take the job: %2. Nothing was printed.")
                    .arg(name, withoutFullStop(reason))};
    return {true, {}};
}

#else
QString noDefaultPrinter()
{
    return QCoreApplication::translate(
        "Printer",
        "There is no default printer. Choose one in the system's printer settings, then "
        "print again.");
}

// Without CUPS, Qt's own print engine takes the job; it cannot tell whether the spooler took it.
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
    painter.scale(printer.resolution() / kTwipsPerInch, printer.resolution() / kTwipsPerInch);
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
#endif

}  // namespace

PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   exporting::CheckRuler ruler, const CorrectionFor& correctionFor,
                                   const ConfirmTiledPrint& confirm)
{
#ifndef TAVREL_WITH_CUPS
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return {false, noDefaultPrinter()};
#else
    const DefaultDestination target = defaultDestination();
    if (!target.problem.isEmpty()) return {false, target.problem};
    const QPrinterInfo& info = target.info;
#endif
    const QPageLayout layout = printableLayout(info);
    const PrintCorrection correction = correctionFor(info.printerName());
    const DrawPage onePage =
        pictureOnPage(image, twipsPerPixelX, twipsPerPixelY, offsetTwips, correction);
    const bool fits = inkFits(image, twipsPerPixelX, twipsPerPixelY, offsetTwips,
                              printableSize(layout), correction);
    std::optional<exporting::PdfTiling> tiling;
    if (!fits) {
        // The tiles take one scale across and down, as the screen's pixels are square.
        tiling = exporting::pdfTilingOf(image, twipsPerPixelX,
                                        exporting::correctedFrame(tileFrameOf(layout), correction));
        if (!confirm({tiling->pageCount, layout.pageSize().name(), info.printerName()})) return {};
    }
#ifndef TAVREL_WITH_CUPS
    if (!tiling) return printThroughQt(info, kJobTitle, onePage, {});
    return printThroughQt(
        info, kJobTitle, onePage, [&](QPainter& painter, const std::function<bool()>& nextPage) {
            if (!correction.none()) painter.scale(correction.across, correction.down);
            return exporting::PdfPages{painter, image, twipsPerPixelX, ruler, *tiling}.drawAll(
                nextPage);
        });
#else
    return send(target, kJobTitle,
                tiling
                    ? exporting::renderPdfPages(image, twipsPerPixelX, ruler, *tiling, correction)
                    : renderPage(kJobTitle, onePage, layout));
#endif
}

DefaultPrinter defaultPrinter()
{
#ifndef TAVREL_WITH_CUPS
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return {{}, {}, noDefaultPrinter()};
#else
    const DefaultDestination target = defaultDestination();
    if (!target.problem.isEmpty()) return {{}, {}, target.problem};
    const QPrinterInfo& info = target.info;
#endif
    return {info.printerName(), printableSize(printableLayout(info)), {}};
}

PrintOutcome printCalibrationSheet(exporting::CheckRuler unit)
{
#ifndef TAVREL_WITH_CUPS
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return {false, noDefaultPrinter()};
    return printThroughQt(info, kSheetTitle, calibrationSheet(unit), {});
#else
    const DefaultDestination target = defaultDestination();
    if (!target.problem.isEmpty()) return {false, target.problem};
    return send(target, kSheetTitle,
                renderPage(kSheetTitle, calibrationSheet(unit), printableLayout(target.info)));
#endif
}

}  // namespace tavrel::platform
