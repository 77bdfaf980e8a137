#include "projector/projector_dialog.h"

#include "platform/notice.h"
#include "platform/settings_notice.h"
#include "projector/calibration_view.h"
#include "projector/projector.h"
#include "projector/projector_preferences.h"
#include "projector/projector_view.h"
#include "projector/screen_calibration.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSet>

#include <algorithm>

namespace tavrel::projector {
namespace {

// What the screen really has: scaling shows it in fewer, larger pixels.
QSize physicalSize(const QScreen& screen)
{
    return (QSizeF(screen.size()) * screen.devicePixelRatio()).toSize();
}

// The screen chosen last time; else the first screen beside the main window's, as a projector
// usually is.
QString firstChoice(const ProjectorPreferences& chosen, const QWidget* mainWindow)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (screen->name() == chosen.screenName) return screen->name();
    for (QScreen* screen : screens)
        if (!mainWindow || screen != mainWindow->screen()) return screen->name();
    return QString();
}

// As the list of screens names it. The system's name may be a word such as "screen" itself.
QString screenLabel(const QScreen& screen)
{
    //: A screen: its name (width x height in pixels).
    return ProjectorDialog::tr("%1 (%2 x %3)")
        .arg(screen.name())
        .arg(physicalSize(screen).width())
        .arg(physicalSize(screen).height());
}

}  // namespace

ProjectorDialog::ProjectorDialog(picture::PersistentImage image, double twipsPerPixel,
                                 measure::UnitSystem ruler, QWidget* parent)
    : QDialog(parent), image_(std::move(image)), twipsPerPixel_(twipsPerPixel), ruler_(ruler)
{
    setObjectName("ProjectorDialog");
    setWindowTitle(tr("Projector"));
    const ProjectorPreferences chosen = loadProjectorPreferences();

    cboScreen = new QComboBox(this);
    cboScreen->setObjectName("cboScreen");
    for (QScreen* screen : QGuiApplication::screens())
        cboScreen->addItem(screenLabel(*screen), screen->name());
    cboScreen->setCurrentIndex(std::max(0, cboScreen->findData(firstChoice(chosen, parent))));

    cboColours = new QComboBox(this);
    cboColours->setObjectName("cboColours");
    cboColours->addItems({tr("White lines on black"), tr("Black lines on white")});
    cboColours->setCurrentIndex(chosen.whiteOnBlack ? 0 : 1);

    cboLineWidth = new QComboBox(this);
    cboLineWidth->setObjectName("cboLineWidth");
    for (int width : kLineWidths) cboLineWidth->addItem(tr("%n pixel(s)", nullptr, width), width);
    cboLineWidth->setCurrentIndex(cboLineWidth->findData(chosen.lineWidth));

    cboOverlay = new QComboBox(this);
    cboOverlay->setObjectName("cboOverlay");
    cboOverlay->addItems({tr("Nothing"), tr("A grid"), tr("A ruler")});
    cboOverlay->setCurrentIndex(static_cast<int>(chosen.overlay));

    lblCalibration = new QLabel(this);
    lblCalibration->setObjectName("lblCalibration");
    connect(cboScreen, &QComboBox::currentIndexChanged, this, &ProjectorDialog::showCalibration);
    showCalibration();

    auto* buttons = new QDialogButtonBox(this);
    auto* show = buttons->addButton(tr("&Show Pattern"), QDialogButtonBox::AcceptRole);
    auto* calibrateButton = buttons->addButton(tr("C&alibrate..."), QDialogButtonBox::ActionRole);
    auto* reset = buttons->addButton(tr("&Reset Calibration"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(show, &QPushButton::clicked, this, &ProjectorDialog::showPattern);
    connect(calibrateButton, &QPushButton::clicked, this, &ProjectorDialog::calibrate);
    connect(reset, &QPushButton::clicked, this, &ProjectorDialog::resetCalibration);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Scr&een:"), cboScreen);
    form->addRow(tr("&Lines:"), cboColours);
    form->addRow(tr("Line &width:"), cboLineWidth);
    form->addRow(tr("Check the scale &by:"), cboOverlay);
    form->addRow(tr("Calibration:"), lblCalibration);
    form->addRow(buttons);
}

// Looked up by name at each use: a screen may have gone since the list was made.
QScreen* ProjectorDialog::chosenScreen() const
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == cboScreen->currentData().toString()) return screen;
    return screen();
}

// A damaged calibration counts as none; the user is told once in a run for each screen.
void ProjectorDialog::showCalibration()
{
    static QSet<QString> told;
    const QScreen& screen = *chosenScreen();
    const QString key = screenKey(screen);
    const StoredCalibration stored = readPixelsPerInch(key);
    lblCalibration->setText(
        stored.pixelsPerInch
            ? tr("%1 pixels per inch").arg(QLocale().toString(*stored.pixelsPerInch, 'f', 1))
            : tr("Not calibrated yet"));
    if (stored.damaged && !told.contains(key)) {
        told.insert(key);
        platform::showWarning(this, tr("Projector"),
                              //: %1 is the screen as the list of screens names it.
                              tr("The calibration kept for %1 is damaged, so it is ignored. "
                                 "Calibrate the screen again before the pattern is shown on it.")
                                  .arg(screenLabel(screen)),
                              "damagedCalibrationMessage");
    }
}

void ProjectorDialog::saveChoices()
{
    if (!saveProjectorPreferences({cboScreen->currentData().toString(),
                                   cboColours->currentIndex() == 0,
                                   cboLineWidth->currentData().toInt(),
                                   static_cast<Overlay>(cboOverlay->currentIndex())}))
        platform::sayNotStoredOnce(this, tr("Projector"));
}

void ProjectorDialog::calibrate()
{
    calibrateThen(false);
}

void ProjectorDialog::calibrateThen(bool showPatternAfter)
{
    QScreen* screen = chosenScreen();
    auto* view = new CalibrationView(screenKey(*screen), ruler_, this);
    connect(view, &CalibrationView::calibrated, this, [this, showPatternAfter] {
        showCalibration();
        if (showPatternAfter) showPattern();
    });
    showView(view, screen);
}

// One view at a time, full screen, in a window of its own that goes with this window.
void ProjectorDialog::showView(QWidget* view, QScreen* screen)
{
    if (view_) view_->close();
    view_ = view;
    view->setWindowFlag(Qt::Window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setScreen(screen);
    view->setGeometry(screen->geometry());
    view->showFullScreen();
    view->activateWindow();
}

// The view stays above this window, also when this one is activated (by Alt+Tab, say): on one
// screen, this window would cover the pattern or the bar.
void ProjectorDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && view_ &&
        view_->isVisible())
        view_->raise();
}

void ProjectorDialog::resetCalibration()
{
    if (!forgetPixelsPerInch(screenKey(*chosenScreen())))
        platform::sayNotStored(this, tr("Projector"));
    showCalibration();
}

// A screen not yet calibrated is calibrated first: its own idea of its size is not trusted.
void ProjectorDialog::showPattern()
{
    saveChoices();
    QScreen* screen = chosenScreen();
    const auto pixelsPerInch = storedPixelsPerInch(screenKey(*screen));
    if (!pixelsPerInch) {
        calibrateThen(true);
        return;
    }
    auto* view = new ProjectorView(image_, twipsPerPixel_, *pixelsPerInch,
                                   loadProjectorPreferences(), ruler_, this);
    view->setObjectName("ProjectorView");
    showView(view, screen);
}

void openProjector(QWidget* parent, const picture::PersistentImage& image, double twipsPerPixel,
                   measure::UnitSystem ruler)
{
    auto* dialog = new ProjectorDialog(image, twipsPerPixel, ruler, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

}  // namespace tavrel::projector
