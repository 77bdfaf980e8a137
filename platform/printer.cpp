#include "printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace tavrel::platform {

PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, "There is no default printer. Choose one in the system's printer settings, "
                       "then print again."};

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName("Tavrel pattern");
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QString("The printer \"%1\" could not start the job.").arg(info.printerName())};

    // The painter's origin is the printable area's corner; one twip is resolution / 1440 dots.
    const double dotsPerTwip = printer.resolution() / 1440.0;
    painter.translate(offsetTwips * dotsPerTwip, offsetTwips * dotsPerTwip);
    painter.scale(twipsPerPixelX * dotsPerTwip, twipsPerPixelY * dotsPerTwip);
    replay(image, painter, QRectF(QPointF(0, 0), QSizeF(image.size)), LineWidth::OnePicturePixel);

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {false, QString("The printer \"%1\" refused the job.").arg(info.printerName())};
    return {true, {}};
}

}  // namespace tavrel::platform
