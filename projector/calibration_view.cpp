#include "projector/calibration_view.h"

#include "measure/typed_length.h"
#include "platform/decimal_comma.h"
#include "platform/notice.h"
#include "platform/settings_notice.h"
#include "projector/screen_calibration.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrel::projector {
namespace {

constexpr int kFineStep = 1;
constexpr int kCoarseStep = 10;
constexpr int kShortestBar = 20;
constexpr int kBarThickness = 9;
constexpr int kEndTick = 41;

}  // namespace

CalibrationView::CalibrationView(QString screenKey, measure::UnitSystem units, QWidget* parent)
    : QWidget(parent), screenKey_(std::move(screenKey)), units_(units)
{
    setObjectName("CalibrationView");
    setWindowTitle(tr("Screen Calibration"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);

    auto* instructions = new QLabel(
        units == measure::UnitSystem::Metric
            ? tr("Drag the bar's right end, or use the arrow keys (with Shift for larger steps), "
                 "until it matches a length on your ruler; or simply measure the bar. Then type "
                 "that length in millimeters and press Enter. Esc leaves without calibrating.")
            : tr("Drag the bar's right end, or use the arrow keys (with Shift for larger steps), "
                 "until it matches a length on your ruler; or simply measure the bar. Then type "
                 "that length in inches, such as 7 7/8, and press Enter. Esc leaves without "
                 "calibrating."),
        this);
    instructions->setWordWrap(true);
    txtBarLength_ = new QLineEdit(this);
    txtBarLength_->setObjectName("txtBarLength");
    txtBarLength_->setAccessibleName(units == measure::UnitSystem::Metric
                                         ? tr("Bar length in millimeters")
                                         : tr("Bar length in inches"));
    txtBarLength_->setAccessibleDescription(instructions->text());
    txtBarLength_->setMaximumWidth(200);
    txtBarLength_->installEventFilter(this);
    platform::typePointForComma(*txtBarLength_);
    connect(txtBarLength_, &QLineEdit::returnPressed, this, &CalibrationView::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(instructions);
    layout->addWidget(txtBarLength_);
    setFocusProxy(txtBarLength_);
}

int CalibrationView::barLeft() const
{
    return width() / 20;
}

void CalibrationView::setBarPixels(int pixels)
{
    barPixels_ = std::clamp(pixels, kShortestBar, std::max(kShortestBar, width() - 2 * barLeft()));
    update();
}

// The arrow keys move the bar's end even while the length box has the focus: a typed length
// needs no cursor keys.
bool CalibrationView::moveBarEnd(const QKeyEvent& key)
{
    const int step = key.modifiers() & Qt::ShiftModifier ? kCoarseStep : kFineStep;
    if (key.key() == Qt::Key_Right)
        setBarPixels(barPixels_ + step);
    else if (key.key() == Qt::Key_Left)
        setBarPixels(barPixels_ - step);
    else
        return false;
    return true;
}

bool CalibrationView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtBarLength_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Escape) {
            close();
            return true;
        }
        return moveBarEnd(key);
    }
    return QWidget::eventFilter(watched, event);
}

void CalibrationView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if (!moveBarEnd(*event))
        QWidget::keyPressEvent(event);
}

void CalibrationView::mousePressEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
}

void CalibrationView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        setBarPixels(qRound(event->position().x()) - barLeft() + 1);
}

void CalibrationView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int top = height() / 3;
    painter.fillRect(barLeft(), top, barPixels_, kBarThickness, Qt::white);
    const int tickTop = top + kBarThickness / 2 - kEndTick / 2;
    painter.fillRect(barLeft(), tickTop, 1, kEndTick, Qt::white);
    painter.fillRect(barLeft() + barPixels_ - 1, tickTop, 1, kEndTick, Qt::white);
}

void CalibrationView::resizeEvent(QResizeEvent*)
{
    setBarPixels(barPixels_ == 0 ? width() * 4 / 5 : barPixels_);
}

void CalibrationView::accept()
{
    const auto inches =
        measure::readTypedInches(txtBarLength_->text().trimmed().toStdString(), units_);
    if (!inches) {
        platform::showWarning(this, tr("Calibration"),
                              units_ == measure::UnitSystem::Metric
                                  ? tr("Type the bar's length in millimeters, such as 250.")
                                  : tr("Type the bar's length in inches, such as 7 7/8."),
                              "calibrationRefused");
        return;
    }
    // A ruler measures from the first end mark to the last: one pixel less than the bar's
    // pixels, the marks being its first and last.
    const int markDistance = barPixels_ - 1;
    const auto pixelsPerInch = pixelsPerInchFromBar(markDistance, *inches);
    if (!pixelsPerInch) {
        platform::showWarning(
            this, tr("Calibration"),
            //: %Ln is the bar's length on the screen, %1 the length the user typed, %2 and %3
            //: the least and the most pixels per inch.
            tr("A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per "
               "inch. Check the length and its unit.",
               nullptr, markDistance)
                .arg(txtBarLength_->text().trimmed(), QLocale().toString(kMinPixelsPerInch),
                     QLocale().toString(kMaxPixelsPerInch)),
            "calibrationRefused");
        return;
    }
    // Said over the projector window: this view closes now.
    if (!storePixelsPerInch(screenKey_, *pixelsPerInch))
        platform::sayNotStored(parentWidget(), tr("Calibration"));
    emit calibrated(*pixelsPerInch);
    close();
}

}  // namespace tavrel::projector
