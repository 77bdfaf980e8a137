#include "projector/mapped_projector_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tavrel::projector {
namespace {

// The figure's arcs as chords of at most this many picture pixels: under a hundredth of an
// inch at the screen's 96 dots per inch.
constexpr double kChordPixels = 1;
constexpr int kMapCell = 14;
constexpr int kMargin = 12;

// Only the figure: the picture's ruler is the projector's own to draw, upright.
std::vector<projection::Polyline> figureOf(const picture::PersistentImage& image)
{
    return projection::figurePolylines(image.shapes, projection::kFigureShapes,
                                       picture::pixelSize(image.size), kChordPixels);
}

void stroke(QPainter& painter, const std::vector<projection::Polyline>& lines)
{
    for (const projection::Polyline& line : lines) {
        if (line.size() < 2) continue;
        QPainterPath path(QPointF(line[0].x, line[0].y));
        for (size_t i = 1; i < line.size(); ++i) path.lineTo(line[i].x, line[i].y);
        painter.drawPath(path);
    }
}

}  // namespace

projection::TableOverlay tableOverlay(Overlay overlay)
{
    switch (overlay) {
        case Overlay::Grid:
            return projection::TableOverlay::Grid;
        case Overlay::Ruler:
            return projection::TableOverlay::Ruler;
        case Overlay::Rectangle:
            return projection::TableOverlay::Rectangle;
        case Overlay::None:
            break;
    }
    return projection::TableOverlay::None;
}

MappedProjectorView::MappedProjectorView(const picture::PersistentImage& image,
                                         double twipsPerPixel, projection::TableMapping mapping,
                                         measure::UnitSystem units, projection::Placement placement,
                                         const ProjectorPreferences& look,
                                         measure::UnitSystem ruler, QWidget* parent)
    : QWidget(parent),
      figure_(projection::figureInInches(figureOf(image), picture::pixelSize(image.size),
                                         twipsPerPixel)),
      mapping_(std::move(mapping)),
      units_(units),
      placement_(placement),
      look_(look),
      ruler_(ruler)
{
    setWindowTitle(tr("Projector View"));
    setAccessibleDescription(
        tr("The pattern at true scale on the calibrated table. The arrow keys move it, Page Down "
           "and Page Up show the next and the previous section; Esc leaves."));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    rebuild();
}

void MappedProjectorView::rebuild()
{
    view_ = projection::tableView(mapping_, figure_, placement_, section_,
                                  tableOverlay(look_.overlay), ruler_);
    section_ = std::clamp(section_, 0, view_.sections.count() - 1);
    update();
}

void MappedProjectorView::paintEvent(QPaintEvent*)
{
    const QColor ink = look_.whiteOnBlack ? Qt::white : Qt::black;
    QPainter painter(this);
    painter.fillRect(rect(), look_.whiteOnBlack ? Qt::black : Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(ink, look_.lineWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    stroke(painter, view_.figure);
    stroke(painter, view_.landmarks);
    // Half-way between the pattern and its background, so that the pattern stands out.
    pen.setColor(QColor(128, 128, 128));
    pen.setWidth(1);
    painter.setPen(pen);
    stroke(painter, view_.overlay);
    if (view_.sections.count() > 1) drawSectionMap(painter);
}

// Which section is on the table, in words and as a small map, upright in the screen's corner.
void MappedProjectorView::drawSectionMap(QPainter& painter) const
{
    const projection::SectionGrid& grid = view_.sections;
    const QColor ink = look_.whiteOnBlack ? Qt::white : Qt::black;
    painter.setPen(ink);
    //: %1 is the section's number, %2 how many there are, %3 its label such as B2.
    const QString words = tr("Section %1 of %2: %3")
                              .arg(section_ + 1)
                              .arg(grid.count())
                              .arg(QString::fromStdString(grid.label(section_)));
    const QFontMetrics metrics(painter.font());
    painter.drawText(kMargin, kMargin + metrics.ascent(), words);
    const int top = kMargin + metrics.height() + 4;
    for (int i = 0; i < grid.count(); ++i) {
        const QRect cell(kMargin + (i % grid.columns) * kMapCell,
                         top + (i / grid.columns) * kMapCell, kMapCell - 2, kMapCell - 2);
        if (i == section_)
            painter.fillRect(cell, ink);
        else
            painter.drawRect(cell);
    }
}

void MappedProjectorView::keyPressEvent(QKeyEvent* event)
{
    const double step = projection::moveStepInches(units_, event->modifiers() & Qt::ShiftModifier);
    projection::Point& offset = placement_.offsetInches;
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Left:
            offset.x -= step;
            break;
        case Qt::Key_Right:
            offset.x += step;
            break;
        case Qt::Key_Up:
            offset.y -= step;
            break;
        case Qt::Key_Down:
            offset.y += step;
            break;
        case Qt::Key_PageDown:
        case Qt::Key_N:
            ++section_;
            break;
        case Qt::Key_PageUp:
        case Qt::Key_P:
            --section_;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    rebuild();
}

}  // namespace tavrel::projector
