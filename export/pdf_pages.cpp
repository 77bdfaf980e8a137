#include "export/pdf_pages.h"

#include "export/page_text.h"
#include "measure/physical_units.h"
#include "picture/natural_size.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavrel::exporting {
namespace {

using measure::kTwipsPerInch;
constexpr double kRulerLineTwips = 15;  // one pixel of a 96 dpi screen, as the pattern's lines
constexpr double kMarkLineTwips = 10;
constexpr double kMarkRadiusTwips = 100;
constexpr double kMapDotsPerInch = 200;  // the map's small picture is a raster at this resolution
constexpr double kLargestMapDots = 8e6;  // or coarser on large sheets: 32 MB of raster at most
constexpr double kLargestLabelTwips = 280;
constexpr double kSmallestLabelTwips = 60;  // smaller would not be read: no labels then

double unitLength(measure::UnitSystem ruler)
{
    return ruler == measure::UnitSystem::Metric ? kTwipsPerInch / measure::kCentimetersPerInch
                                                : kTwipsPerInch;
}

// What the foot of every page says beside its check ruler.
QString rulerSentence(measure::UnitSystem ruler)
{
    if (ruler == measure::UnitSystem::Metric)
        return QCoreApplication::translate("PdfPages",
                                           "When printed, this bar should measure one centimeter");
    return QCoreApplication::translate("PdfPages",
                                       "When printed, this bar should measure one inch");
}

QString mapInstructions(measure::UnitSystem ruler)
{
    if (ruler == measure::UnitSystem::Metric)
        return QCoreApplication::translate(
            "PdfPages",
            "Print every page at 100 % (actual size), with no scaling and no \"fit to page\": the "
            "bar at the foot of each page must then measure one centimeter. Cut each page along "
            "the top and the left line of its frame. Then lay the pages out as in the diagram "
            "below, each page over its neighbors to its left and above, with its cut edges on "
            "their dashed lines, so that the halves of each circled cross meet. Tape them "
            "together. The pages overlap by 12.7 mm (1/2 inch).");
    return QCoreApplication::translate(
        "PdfPages",
        "Print every page at 100 % (actual size), with no scaling and no \"fit to page\": the bar "
        "at the foot of each page must then measure one inch. Cut each page along the top and the "
        "left line of its frame. Then lay the pages out as in the diagram below, each page over "
        "its neighbors to its left and above, with its cut edges on their dashed lines, so that "
        "the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 "
        "inch (12.7 mm).");
}

// A circle with a cross through it: the same picture point on both pages of a shared edge.
void drawMark(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(Qt::black, kMarkLineTwips));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kMarkRadiusTwips, kMarkRadiusTwips);
    const double arm = 1.6 * kMarkRadiusTwips;
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

// The part of the picture from its corner to `shown` (picture pixels) shrunk into `target` as
// a raster: only a guide, so its lines stay one dot wide.
QImage smallPicture(const picture::PersistentImage& image, QSizeF shown, QSizeF targetTwips)
{
    QSizeF wanted = targetTwips * kMapDotsPerInch / kTwipsPerInch;
    const double area = wanted.width() * wanted.height();
    if (area > kLargestMapDots) wanted *= std::sqrt(kLargestMapDots / area);
    const QSize dots = wanted.toSize().expandedTo({1, 1});
    QImage raster(dots, QImage::Format_RGB32);
    raster.fill(Qt::white);
    QPainter painter(&raster);
    painter.scale(dots.width() / shown.width(), dots.height() / shown.height());
    picture::replay(image, painter, QRectF(QPointF(0, 0), shown),
                     picture::LineWidth::OneDevicePixel);
    return raster;
}

// Bold, at most the largest label height, and small enough that every label of a page fits
// `room`.
QFont labelFont(const PdfTiling& tiling, QSizeF room, QPaintDevice* device)
{
    const QFont largest = pageFont(kLargestLabelTwips, true);
    const QFontMetricsF metrics(largest, device);
    double widest = 0;
    for (int row = 0; row < tiling.rows; ++row)
        for (int column = 0; column < tiling.columns; ++column)
            if (tiling.pageOf(column, row) != 0)
                widest = std::max(widest, metrics.horizontalAdvance(tileLabel(column, row)));
    // A little air between a label and the lines around it.
    const double fit =
        std::min({1.0, 0.9 * room.width() / widest, 0.9 * room.height() / metrics.height()});
    return pageFont(std::floor(kLargestLabelTwips * fit), true);
}

}  // namespace

void PdfPages::drawOnePage() const
{
    picture::drawAtNaturalSize(painter, image, twipsPerPixel, twipsPerPixel,
                               toQt(tiling.pictureOrigin(0, 0)), toQt(tiling.content));
    drawFoot(toQt(tiling.footer), {}, {});
}

void PdfPages::drawMap() const
{
    const QRectF content = toQt(tiling.map.content);
    painter.setPen(Qt::black);
    drawTextLine(
        painter, QRectF(content.left(), content.top(), content.width(), 400), Qt::AlignLeft,
        //: The map's title: %n pages in all, the map included; %1 columns of pages across
        //: and %2 rows down.
        QCoreApplication::translate("PdfPages", "Tavrel pattern on %n pages: %1 across, %2 down",
                                    nullptr, tiling.pageCount)
            .arg(tiling.columns)
            .arg(tiling.rows),
        pageFont(280, true));
    painter.setFont(pageFont(200));
    painter.drawText(QRectF(content.left(), content.top() + 560, content.width(), 1600),
                     Qt::AlignLeft | Qt::TextWordWrap, mapInstructions(ruler));

    const MapLayout map = mapLayoutOf(tiling);
    const QSizeF picture = toQt(tiling.picture) * map.scale;
    painter.drawImage(QRectF(toQt(map.origin), picture),
                      smallPicture(image, toQt(tiling.picture) / twipsPerPixel, picture));

    const QFont label = labelFont(tiling, toQt(map.labelRoom(0, 0).size()), painter.device());
    painter.setFont(label);
    painter.setPen(QPen(Qt::darkGray, kMarkLineTwips));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < tiling.rows; ++row)
        for (int column = 0; column < tiling.columns; ++column) {
            if (tiling.pageOf(column, row) == 0) continue;
            painter.drawRect(toQt(map.cell(column, row)));
            if (label.pixelSize() >= kSmallestLabelTwips)
                painter.drawText(toQt(map.labelRoom(column, row)), Qt::AlignCenter,
                                 tileLabel(column, row));
        }
    drawFoot(toQt(tiling.map.footer), {}, {});
}

void PdfPages::drawTile(int column, int row) const
{
    picture::drawAtNaturalSize(painter, image, twipsPerPixel, twipsPerPixel,
                               toQt(tiling.pictureOrigin(column, row)), toQt(tiling.content));
    painter.setPen(QPen(Qt::black, kMarkLineTwips));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(toQt(tiling.content));
    drawSharedEdges(column, row);
    drawFoot(
        toQt(tiling.footer), tileLabel(column, row),
        QCoreApplication::translate("PdfPages", "Page %1 of %2: column %3 of %4, row %5 of %6.")
            .arg(tiling.pageOf(column, row))
            .arg(tiling.pageCount)
            .arg(column + 1)
            .arg(tiling.columns)
            .arg(row + 1)
            .arg(tiling.rows));
}

bool PdfPages::drawAll(const std::function<bool()>& nextPage) const
{
    if (tiling.onePage()) {
        drawOnePage();
        return true;
    }
    drawMap();
    for (int row = 0; row < tiling.rows; ++row)
        for (int column = 0; column < tiling.columns; ++column) {
            if (tiling.pageOf(column, row) == 0) continue;
            if (!nextPage()) return false;
            drawTile(column, row);
        }
    return true;
}

// Each page is cut along the top and the left line of its frame and laid over its neighbours
// to the left and above. On an edge whose neighbour comes over this page: a dashed line where
// the neighbour's cut edge goes, the neighbour's label, and three circled crosses centred on the
// line. On an edge cut to lie over a neighbour: the same crosses centred on the frame line, so
// that the cut leaves half of each, which meets the other half when the pages lie right.
void PdfPages::drawSharedEdges(int column, int row) const
{
    const QRectF c = toQt(tiling.content);
    const double overlap = kTileOverlapTwips;
    QPen dashed(Qt::black, kMarkLineTwips);
    dashed.setDashPattern({12, 8});
    painter.setFont(pageFont(200, true));
    const QPoint neighbours[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const QPoint step : neighbours) {
        const int nColumn = column + step.x(), nRow = row + step.y();
        if (tiling.pageOf(nColumn, nRow) == 0) continue;
        const bool comesOver = step.x() > 0 || step.y() > 0;
        if (step.x() != 0) {
            const double edge = comesOver ? c.right() - overlap : c.left();
            if (comesOver) {
                painter.setPen(dashed);
                painter.drawLine(QPointF(edge, c.top()), QPointF(edge, c.bottom()));
                painter.drawText(QRectF(edge, c.top() + c.height() / 8 - 150, overlap, 300),
                                 Qt::AlignCenter, tileLabel(nColumn, nRow));
            }
            for (int k = 1; k <= 3; ++k) drawMark(painter, {edge, c.top() + c.height() * k / 4});
        } else {
            const double edge = comesOver ? c.bottom() - overlap : c.top();
            if (comesOver) {
                painter.setPen(dashed);
                painter.drawLine(QPointF(c.left(), edge), QPointF(c.right(), edge));
                painter.drawText(
                    QRectF(c.left() + c.width() / 8 - overlap / 2, edge, overlap, overlap),
                    Qt::AlignCenter, tileLabel(nColumn, nRow));
            }
            for (int k = 1; k <= 3; ++k) drawMark(painter, {c.left() + c.width() * k / 4, edge});
        }
    }
}

// The foot of a page: its label, a check ruler of one unit with its sentence, and the request
// to print at 100 %.
void PdfPages::drawFoot(const QRectF& foot, const QString& label, const QString& note) const
{
    painter.setPen(Qt::black);
    if (!label.isEmpty()) {
        painter.setFont(pageFont(360, true));
        painter.drawText(QRectF(foot.left(), foot.top() + 120, 1300, 480),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    }
    const QPointF rulerStart(foot.left() + kTwipsPerInch, foot.top() + 330);
    drawCheckRuler(rulerStart);
    const double textLeft = rulerStart.x() + unitLength(ruler) + 240;
    painter.setPen(Qt::black);
    drawTextLine(painter, QRectF(textLeft, foot.top() + 150, foot.right() - textLeft, 240),
                 Qt::AlignLeft | Qt::AlignVCenter, rulerSentence(ruler), pageFont(180));
    const QString actualSize =
        QCoreApplication::translate("PdfPages", "Print at 100 % (actual size), no scaling.");
    drawTextLine(painter,
                 QRectF(rulerStart.x(), foot.top() + 420, foot.right() - rulerStart.x(), 240),
                 Qt::AlignLeft | Qt::AlignVCenter,
                 note.isEmpty() ? actualSize : actualSize + " " + note, pageFont(180));
}

// A bar of one unit between two ticks that rise from its ends.
void PdfPages::drawCheckRuler(QPointF leftEnd) const
{
    const double length = unitLength(ruler);
    QPen pen(Qt::black, kRulerLineTwips);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPointF rightEnd = leftEnd + QPointF(length, 0);
    painter.drawLine(leftEnd, rightEnd);
    painter.drawLine(leftEnd, leftEnd - QPointF(0, 180));
    painter.drawLine(rightEnd, rightEnd - QPointF(0, 180));
}

}  // namespace tavrel::exporting
