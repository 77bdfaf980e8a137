#include "projector/projector_view.h"

#include "projection/placement.h"
#include "projector/check_overlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavrel::projector {
namespace {

// An arrow key moves the pattern a tenth of the view.
constexpr int kArrowSteps = 10;

// The mirror and the turn as a transformation of the picture's pixels, as the corner-calibrated
// view places the pattern.
QTransform placingOf(const ProjectorPreferences& look, QSize size)
{
    const projection::Placement placement{
        look.mirrorAcross, look.mirrorDown, look.quarterTurns, {}};
    const projection::Point whole{double(size.width()), double(size.height())};
    const auto at = [&](double x, double y) {
        return projection::placedPoint(placement, {x, y}, whole);
    };
    const projection::Point o = at(0, 0), across = at(1, 0), down = at(0, 1);
    return QTransform(across.x - o.x, across.y - o.y, down.x - o.x, down.y - o.y, o.x, o.y);
}

}  // namespace

ProjectorView::ProjectorView(picture::PersistentImage image, double twipsPerPixel,
                             double pixelsPerInch, const ProjectorPreferences& look,
                             measure::UnitSystem ruler, QWidget* parent)
    : QWidget(parent),
      image_(std::move(image)),
      placing_(placingOf(look, image_.size)),
      placedSize_(look.quarterTurns % 2 ? image_.size.transposed() : image_.size),
      scale_(pattern::projectionScale(pixelsPerInch, twipsPerPixel, ruler)),
      look_(look)
{
    image_.foreground = look.whiteOnBlack ? Qt::white : Qt::black;
    image_.background = look.whiteOnBlack ? Qt::black : Qt::white;
    setWindowTitle(tr("Projector View"));
    setAccessibleDescription(tr("The pattern at true scale. The arrow keys move it; Esc leaves."));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

QSize ProjectorView::patternOnScreen() const
{
    return QSize(
        static_cast<int>(std::ceil(placedSize_.width() * scale_.screenPixelsPerPicturePixel)),
        static_cast<int>(std::ceil(placedSize_.height() * scale_.screenPixelsPerPicturePixel)));
}

// A pattern smaller than the view stands in its middle; a larger one is panned.
QPoint ProjectorView::patternCorner() const
{
    const QSize pattern = patternOnScreen();
    const int x = pattern.width() <= width() ? (width() - pattern.width()) / 2 : -pan_.x();
    const int y = pattern.height() <= height() ? (height() - pattern.height()) / 2 : -pan_.y();
    return QPoint(x, y);
}

void ProjectorView::panTo(QPoint pan)
{
    const QSize pattern = patternOnScreen();
    pan = QPoint(std::clamp(pan.x(), 0, std::max(0, pattern.width() - width())),
                 std::clamp(pan.y(), 0, std::max(0, pattern.height() - height())));
    if (pan == pan_) return;
    pan_ = pan;
    update();
}

void ProjectorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), image_.background);
    const QPoint corner = patternCorner();

    painter.save();
    painter.translate(corner);
    painter.scale(scale_.screenPixelsPerPicturePixel, scale_.screenPixelsPerPicturePixel);
    painter.setTransform(placing_, true);
    const QRectF visible = painter.transform().inverted().mapRect(QRectF(rect()));
    const QRectF area = visible.intersected(QRectF(QPointF(0, 0), QSizeF(image_.size)));
    if (!area.isEmpty())
        picture::replay(image_, painter, area, picture::LineWidth::OneDevicePixel,
                        picture::Background::AlreadyFilled, look_.lineWidth);
    painter.restore();

    // The calibrated rectangle needs a corner calibration, which this view is without.
    if (look_.overlay == Overlay::None || look_.overlay == Overlay::Rectangle) return;
    QPen pen(image_.foreground);
    pen.setCosmetic(true);
    pen.setWidth(look_.lineWidth);
    if (look_.overlay == Overlay::Grid) {
        // Half-way between the pattern and its background, so that the pattern stands out.
        pen.setColor(QColor(128, 128, 128));
        painter.setPen(pen);
        drawGrid(painter, rect(), corner, scale_.unitPixels);
    } else {
        painter.setPen(pen);
        drawCheckRuler(painter, rect(), scale_.unitPixels);
    }
}

void ProjectorView::keyPressEvent(QKeyEvent* event)
{
    const int across = std::max(1, width() / kArrowSteps);
    const int down = std::max(1, height() / kArrowSteps);
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Left:
            panTo(pan_ - QPoint(across, 0));
            return;
        case Qt::Key_Right:
            panTo(pan_ + QPoint(across, 0));
            return;
        case Qt::Key_Up:
            panTo(pan_ - QPoint(0, down));
            return;
        case Qt::Key_Down:
            panTo(pan_ + QPoint(0, down));
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void ProjectorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    dragFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

// The pattern follows the mouse.
void ProjectorView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    panTo(pan_ - (at - dragFrom_));
    dragFrom_ = at;
}

void ProjectorView::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
}

void ProjectorView::resizeEvent(QResizeEvent*)
{
    panTo(pan_);
}

}  // namespace tavrel::projector
