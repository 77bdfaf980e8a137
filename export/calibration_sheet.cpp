#include "export/calibration_sheet.h"

#include "export/document_titles.h"
#include "export/export_file.h"
#include "export/page_text.h"
#include "export/pdf_export.h"
#include "measure/physical_units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace tavrel::exporting {
namespace {

using measure::kTwipsPerInch;
constexpr double kBarLineTwips = 20;
constexpr double kTickHalfTwips = 160;  // the end marks stand out this far on either side
using pages::kSheetMarginTwips;
constexpr double kTwipsPerPoint = 20;

// A bar between two end marks that cross it, from `start` along `direction` (a unit vector).
void drawBar(QPainter& painter, QPointF start, QPointF direction, double length)
{
    QPen pen(Qt::black, kBarLineTwips);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPointF end = start + direction * length;
    const QPointF across(direction.y() * kTickHalfTwips, direction.x() * kTickHalfTwips);
    painter.drawLine(start, end);
    painter.drawLine(start - across, start + across);
    painter.drawLine(end - across, end + across);
}

// What to do with the sheet, in the unit its bars are measured in.
QString instructions(measure::UnitSystem unit)
{
    if (unit == measure::UnitSystem::Metric)
        //: "Pattern > Calibrate Printer..." is a menu command: word it as the menu does.
        return QCoreApplication::translate(
            "CalibrationSheet",
            "Print this sheet at 100 % (actual size), with no scaling and no \"fit to page\". "
            "Measure each bar with a good ruler in millimeters, from the middle of one end mark "
            "to the middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and "
            "type the two lengths you measured: later prints on this printer are then corrected "
            "so that they come out at their true size.");
    //: "Pattern > Calibrate Printer..." is a menu command: word it as the menu does.
    return QCoreApplication::translate(
        "CalibrationSheet",
        "Print this sheet at 100 % (actual size), with no scaling and no \"fit to page\". "
        "Measure each bar with a good ruler in inches, from the middle of one end mark to the "
        "middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and type the two "
        "lengths you measured: later prints on this printer are then corrected so that they "
        "come out at their true size.");
}

// A roll's sheet is cut as long as its longest bar down needs, about a letter sheet's length,
// not as long as a page from the roll may be.
QPageSize sheetPageSize(Paper paper, measure::UnitSystem unit)
{
    return pageSizeOfPoints(pages::calibrationSheetPoints(paper, unit));
}

QString notMade()
{
    return QCoreApplication::translate("CalibrationSheet",
                                       "The calibration sheet could not be made.");
}

}  // namespace

void drawCalibrationSheet(QPainter& painter, const QRectF& printableTwips, measure::UnitSystem unit)
{
    const CalibrationBars bars = calibrationBarsFor(printableTwips.size(), unit);
    const QRectF area =
        printableTwips.adjusted(kSheetInsetTwips, kSheetInsetTwips, -kSheetInsetTwips, 0);
    painter.setPen(Qt::black);
    drawTextLine(painter, QRectF(area.left(), area.top(), area.width(), 400), Qt::AlignLeft,
                 QCoreApplication::translate("CalibrationSheet", "Tavrel printer calibration"),
                 pageFont(280, true));
    painter.setFont(pageFont(180));
    painter.drawText(QRectF(area.left(), area.top() + 500, area.width(), 1500),
                     Qt::AlignLeft | Qt::TextWordWrap, instructions(unit));

    const QPointF acrossStart(area.left(), area.top() + kAcrossBarTopTwips);
    painter.setFont(pageFont(200, true));
    painter.drawText(QRectF(acrossStart - QPointF(0, 520), QSizeF(area.width(), 300)),
                     Qt::AlignLeft | Qt::AlignBottom,
                     //: %1 is the bar's length, such as "8 in".
                     QCoreApplication::translate("CalibrationSheet", "Across: %1")
                         .arg(barLengthText(bars.across, unit)));
    drawBar(painter, acrossStart, QPointF(1, 0), bars.across);

    const QPointF downStart(area.left(), area.top() + kDownBarTopTwips);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(downStart + QPointF(500, bars.down / 2 - 150), QSizeF(3000, 300)),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     //: %1 is the bar's length, such as "10 in".
                     QCoreApplication::translate("CalibrationSheet", "Down: %1")
                         .arg(barLengthText(bars.down, unit)));
    drawBar(painter, downStart, QPointF(0, 1), bars.down);
}

QString saveCalibrationSheet(const std::filesystem::path& path, Paper paper,
                             measure::UnitSystem unit)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(calibrationSheetTitle());
    writer.setCreator("Tavrel");
    writer.setResolution(int(kTwipsPerInch));
    const QPageLayout layout(sheetPageSize(paper, unit), QPageLayout::Portrait, QMarginsF());
    QPainter painter;
    if (!writer.setPageLayout(layout) || !painter.begin(&writer)) return notMade();
    const double margin = kSheetMarginTwips;
    const QRectF page(QPointF(0, 0), layout.fullRectPoints().size() * kTwipsPerPoint);
    drawCalibrationSheet(painter, page.adjusted(margin, margin, -margin, -margin), unit);
    if (!painter.end()) return notMade();
    return saveFileAtomically(
        path, [&](QIODevice& device) { return writeWithActualSize(buffer.data(), device); });
}

}  // namespace tavrel::exporting
