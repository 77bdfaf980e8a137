#include "projector/corner_calibration_view.h"

#include "platform/notice.h"
#include "platform/settings_notice.h"
#include "projection/rectangle_size.h"
#include "projector/corner_store.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tavrel::projector {
namespace {

using projection::CornerFault;
using projection::Point;

constexpr int kFineStep = 1;
constexpr int kCoarseStep = 10;
constexpr int kHandleSize = 15;
// A press this near a handle takes it.
constexpr double kGrabDistance = 30;

}  // namespace

QString cornerFaultText(CornerFault fault)
{
    switch (fault) {
        case CornerFault::None:
            return {};
        case CornerFault::NotANumber:
            return CornerCalibrationView::tr(
                "Type the rectangle's size, for example 24 x 18 in or 600 x 450 mm.");
        case CornerFault::TooSmall:
            return CornerCalibrationView::tr(
                "The rectangle must be at least 4 x 4 inches (102 x 102 mm).");
        case CornerFault::Crossing:
            return CornerCalibrationView::tr(
                "The corners cross each other. Drag each handle onto its own corner of the "
                "rectangle.");
        case CornerFault::Folding:
            return CornerCalibrationView::tr(
                "A corner is turned inwards: the rectangle would fold over itself.");
        case CornerFault::OutOfScale:
            return CornerCalibrationView::tr(
                "The rectangle's size does not match what a screen can show. Check the size you "
                "typed.");
    }
    return {};
}

QString meshFoldsText()
{
    return CornerCalibrationView::tr(
        "Two points of the mesh cross or fold over each other. Drag each onto its own crossing.");
}

CornerCalibrationView::CornerCalibrationView(QString screenKey, measure::UnitSystem units,
                                             int meshSize, QWidget* parent)
    : QWidget(parent),
      screenKey_(std::move(screenKey)),
      units_(units),
      typedUnits_(units),
      meshSize_(meshSize)
{
    setObjectName("CornerCalibrationView");
    setWindowTitle(tr("Corner Calibration"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);

    instructions_ = new QLabel(
        tr("Drag each handle onto a corner of a rectangle you know on the table, or select one "
           "with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the "
           "rectangle's size and press Enter."),
        this);
    instructions_->setWordWrap(true);
    txtRectangleSize_ = new QLineEdit(this);
    txtRectangleSize_->setObjectName("txtRectangleSize");
    txtRectangleSize_->setAccessibleName(tr("Rectangle size"));
    txtRectangleSize_->setAccessibleDescription(instructions_->text());
    txtRectangleSize_->setPlaceholderText(units == measure::UnitSystem::Metric ? "600 x 450 mm"
                                                                               : "24 x 18 in");
    txtRectangleSize_->setMaximumWidth(240);
    txtRectangleSize_->installEventFilter(this);
    connect(txtRectangleSize_, &QLineEdit::returnPressed, this, &CornerCalibrationView::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(instructions_);
    layout->addWidget(txtRectangleSize_);
    setFocusProxy(txtRectangleSize_);
}

// The handles start on a rectangle in the middle of the screen, in the shape of a cutting mat.
void CornerCalibrationView::resizeEvent(QResizeEvent*)
{
    if (corners_) return;
    const auto start = projection::startingCorners(width(), height(), 24, 18);
    handles_.assign(start.corners.begin(), start.corners.end());
    update();
}

// The arrow keys move the chosen handle even while the size box has the focus, and Tab picks
// the next handle: a typed size needs neither.
bool CornerCalibrationView::handleKey(const QKeyEvent& key)
{
    const int step = key.modifiers() & Qt::ShiftModifier ? kCoarseStep : kFineStep;
    Point& handle = handles_[selected_];
    switch (key.key()) {
        case Qt::Key_Escape:
            // Esc in the mesh keeps the corners alone.
            if (corners_)
                finish(*corners_);
            else
                close();
            return true;
        case Qt::Key_Tab:
            selected_ = (selected_ + 1) % static_cast<int>(handles_.size());
            break;
        case Qt::Key_Backtab:
            selected_ = (selected_ + static_cast<int>(handles_.size()) - 1) %
                        static_cast<int>(handles_.size());
            break;
        case Qt::Key_Left:
            handle.x = std::max(0.0, handle.x - step);
            break;
        case Qt::Key_Right:
            handle.x = std::min(width() - 1.0, handle.x + step);
            break;
        case Qt::Key_Up:
            handle.y = std::max(0.0, handle.y - step);
            break;
        case Qt::Key_Down:
            handle.y = std::min(height() - 1.0, handle.y + step);
            break;
        default:
            return false;
    }
    update();
    return true;
}

bool CornerCalibrationView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtRectangleSize_ && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<const QKeyEvent&>(*event));
    return QWidget::eventFilter(watched, event);
}

void CornerCalibrationView::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(*event)) QWidget::keyPressEvent(event);
}

// A press near a handle takes it; a press elsewhere takes none, and its drag moves nothing.
void CornerCalibrationView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    double nearest = kGrabDistance;
    dragging_ = false;
    for (size_t i = 0; i < handles_.size(); ++i) {
        const double distance = std::hypot(handles_[i].x - at.x(), handles_[i].y - at.y());
        if (distance < nearest) {
            nearest = distance;
            selected_ = static_cast<int>(i);
            dragging_ = true;
        }
    }
    update();
}

void CornerCalibrationView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    handles_[selected_] = {double(std::clamp(at.x(), 0, width() - 1)),
                           double(std::clamp(at.y(), 0, height() - 1))};
    update();
}

void CornerCalibrationView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QPen(Qt::white, 1));
    const auto at = [&](int i) { return QPointF(handles_[i].x, handles_[i].y); };
    if (!corners_) {
        for (int i = 0; i < 4; ++i) painter.drawLine(at(i), at((i + 1) % 4));
    } else {
        // The mesh's rows and columns.
        for (int row = 0; row < meshSize_; ++row)
            for (int column = 0; column < meshSize_; ++column) {
                const int i = row * meshSize_ + column;
                if (column + 1 < meshSize_) painter.drawLine(at(i), at(i + 1));
                if (row + 1 < meshSize_) painter.drawLine(at(i), at(i + meshSize_));
            }
    }
    for (int i = 0; i < static_cast<int>(handles_.size()); ++i) {
        const QRectF box(at(i) - QPointF(kHandleSize / 2, kHandleSize / 2),
                         QSizeF(kHandleSize, kHandleSize));
        if (i == selected_)
            painter.fillRect(box, Qt::white);
        else
            painter.drawRect(box);
        // The handle's own pixel, exactly where it stands.
        painter.fillRect(QRectF(at(i), QSizeF(1, 1)), i == selected_ ? Qt::black : Qt::white);
    }
}

void CornerCalibrationView::refuse(const QString& why)
{
    platform::showWarning(this, tr("Corner Calibration"), why, "cornerCalibrationRefused");
}

void CornerCalibrationView::accept()
{
    if (corners_)
        acceptMesh();
    else
        acceptCorners();
}

void CornerCalibrationView::acceptCorners()
{
    const auto size =
        projection::readRectangleSize(txtRectangleSize_->text().toStdString(), units_);
    if (!size) {
        refuse(cornerFaultText(CornerFault::NotANumber));
        return;
    }
    projection::CornerCalibration calibration{size->widthInches, size->heightInches, {}};
    std::copy(handles_.begin(), handles_.end(), calibration.corners.begin());
    const CornerFault fault = projection::cornerFault(calibration);
    if (fault != CornerFault::None) {
        refuse(cornerFaultText(fault));
        return;
    }
    typedUnits_ = size->units;
    corners_ = projection::TableMapping::fromCorners(calibration);
    if (meshSize_ == 0) {
        finish(*corners_);
        return;
    }
    // The mesh's points start where the corners alone show the crossings.
    handles_.clear();
    for (int row = 0; row < meshSize_; ++row)
        for (int column = 0; column < meshSize_; ++column)
            handles_.push_back(
                corners_->cornersOnly(corners_->meshCrossing(meshSize_, column, row)));
    selected_ = 0;
    instructions_->setText(
        tr("Drag each point onto the crossing of the mat's grid it stands for, "
           "then press Enter. Esc keeps the corners alone."));
    txtRectangleSize_->setReadOnly(true);
    update();
}

void CornerCalibrationView::acceptMesh()
{
    const auto bent = corners_->withMesh(meshSize_, handles_);
    if (!bent) {
        refuse(meshFoldsText());
        return;
    }
    finish(*bent);
}

void CornerCalibrationView::finish(const projection::TableMapping& mapping)
{
    // Said over the projector window: this view closes now.
    if (!storeCorners(screenKey_, mapping, typedUnits_))
        platform::sayNotStored(parentWidget(), tr("Corner Calibration"));
    emit calibrated();
    close();
}

}  // namespace tavrel::projector
