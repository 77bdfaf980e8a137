#include "printing/printer.h"

#include "export/calibration_sheet.h"
#include "export/document_titles.h"
#include "export/pdf_export.h"
#include "measure/physical_units.h"
#include "picture/natural_size.h"
#include "picture/picture_ink.h"
#include "printing/print_queue.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <optional>

namespace tavrel::printing {

// QPrinter starts from margins of its own (10 points), which would move the picture off the
// printable area's corner.
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
    return layout.paintRectPixels(int(measure::kTwipsPerInch)).size();
}

namespace {

using exporting::PrintCorrection;
using picture::PersistentImage;

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

DrawPage calibrationSheet(measure::UnitSystem unit)
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
        exporting::fromQt(layout.pageSize().size(QPageSize::Point)),
        {std::max(printer.left(), least), std::max(printer.top(), least),
         std::max(printer.right(), least), std::max(printer.bottom(), least)});
}

}  // namespace

PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   measure::UnitSystem ruler, const CorrectionFor& correctionFor,
                                   const ConfirmTiledPrint& confirm)
{
    const DefaultPrintQueue queue;
    if (!queue.problem().isEmpty()) return {false, queue.problem()};
    const QPrinterInfo& info = queue.info();
    const QPageLayout layout = printableLayout(info);
    const PrintCorrection correction = correctionFor(info.printerName());
    const QByteArray jobTitle = exporting::patternTitle().toUtf8();
    const bool fits = inkFits(image, twipsPerPixelX, twipsPerPixelY, offsetTwips,
                              printableSize(layout), correction);
    if (fits)
        return queue.printPage(jobTitle.constData(), pictureOnPage(image, twipsPerPixelX, twipsPerPixelY,
                                                        offsetTwips, correction));
    // The tiles take one scale across and down, as the screen's pixels are square.
    const exporting::PdfTiling tiling = exporting::pdfTilingOf(
        image, twipsPerPixelX, exporting::correctedFrame(tileFrameOf(layout), correction));
    if (!confirm({tiling.pageCount, layout.pageSize().name(), info.printerName()})) return {};
    return queue.printTiles(jobTitle.constData(), {image, twipsPerPixelX, ruler, tiling, correction});
}

DefaultPrinter defaultPrinter()
{
    const DefaultPrintQueue queue;
    if (!queue.problem().isEmpty()) return {{}, {}, queue.problem()};
    return {queue.info().printerName(), printableSize(printableLayout(queue.info())), {}};
}

PrintOutcome printCalibrationSheet(measure::UnitSystem unit)
{
    const DefaultPrintQueue queue;
    if (!queue.problem().isEmpty()) return {false, queue.problem()};
    return queue.printPage(exporting::calibrationSheetTitle().toUtf8().constData(),
                           calibrationSheet(unit));
}

}  // namespace tavrel::printing
