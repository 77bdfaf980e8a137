#include "projector/projector_dialog.h"

#include "measure/physical_units.h"
#include "platform/notice.h"
#include "platform/settings_notice.h"
#include "projector/calibration_view.h"
#include "projector/corner_calibration_view.h"
#include "projector/corner_store.h"
#include "projector/mapped_projector_view.h"
#include "projector/projector.h"
#include "projector/projector_preferences.h"
#include "projector/projector_view.h"
#include "projector/screen_calibration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QVBoxLayout>

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
    cboOverlay->addItems(
        {tr("Nothing"), tr("A grid"), tr("A ruler"), tr("The calibrated rectangle")});
    cboOverlay->setCurrentIndex(static_cast<int>(chosen.overlay));

    // How a corner-calibrated screen shows the pattern.
    chkMirrorAcross = new QCheckBox(tr("&Mirror across"), this);
    chkMirrorAcross->setObjectName("chkMirrorAcross");
    chkMirrorAcross->setChecked(chosen.mirrorAcross);
    chkMirrorDown = new QCheckBox(tr("Mirror &down"), this);
    chkMirrorDown->setObjectName("chkMirrorDown");
    chkMirrorDown->setChecked(chosen.mirrorDown);
    cboTurn = new QComboBox(this);
    cboTurn->setObjectName("cboTurn");
    cboTurn->addItems({tr("0 degrees"), tr("90 degrees"), tr("180 degrees"), tr("270 degrees")});
    cboTurn->setCurrentIndex(chosen.quarterTurns);
    cboMesh = new QComboBox(this);
    cboMesh->setObjectName("cboMesh");
    cboMesh->addItem(tr("None"), 0);
    cboMesh->addItem(tr("3 x 3 points"), 3);
    cboMesh->addItem(tr("5 x 5 points"), 5);
    cboMesh->setCurrentIndex(std::max(0, cboMesh->findData(chosen.meshSize)));

    lblCalibration = new QLabel(this);
    lblCalibration->setObjectName("lblCalibration");
    lblCorners = new QLabel(this);
    lblCorners->setObjectName("lblCorners");

    auto* buttons = new QDialogButtonBox(this);
    auto* show = buttons->addButton(tr("&Show Pattern"), QDialogButtonBox::AcceptRole);
    auto* calibrateButton = buttons->addButton(tr("C&alibrate..."), QDialogButtonBox::ActionRole);
    auto* cornersButton =
        buttons->addButton(tr("Calibrate C&orners..."), QDialogButtonBox::ActionRole);
    cornersButton->setObjectName("cmdCalibrateCorners");
    cmdResetCalibration = buttons->addButton(tr("&Reset Calibration"), QDialogButtonBox::ResetRole);
    cmdResetCalibration->setObjectName("cmdResetCalibration");
    buttons->addButton(QDialogButtonBox::Close);
    connect(show, &QPushButton::clicked, this, &ProjectorDialog::showPattern);
    connect(calibrateButton, &QPushButton::clicked, this, &ProjectorDialog::calibrate);
    connect(cornersButton, &QPushButton::clicked, this, &ProjectorDialog::calibrateCorners);
    connect(cmdResetCalibration, &QPushButton::clicked, this, &ProjectorDialog::resetCalibration);
    connect(cboScreen, &QComboBox::currentIndexChanged, this, &ProjectorDialog::showCalibration);
    showCalibration();
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Scr&een:"), cboScreen);
    form->addRow(tr("&Lines:"), cboColours);
    form->addRow(tr("Line &width:"), cboLineWidth);
    form->addRow(tr("Check the scale &by:"), cboOverlay);
    form->addRow(tr("&Turn:"), cboTurn);
    form->addRow(QString(), chkMirrorAcross);
    form->addRow(QString(), chkMirrorDown);
    form->addRow(tr("Mes&h:"), cboMesh);
    auto* calibrations = new QVBoxLayout;
    calibrations->addWidget(lblCalibration);
    calibrations->addWidget(lblCorners);
    form->addRow(tr("Calibration:"), calibrations);
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
    const StoredCorners corners = readCorners(key);
    if (corners.mapping) {
        const bool metric = corners.units == measure::UnitSystem::Metric;
        const double scale = metric ? measure::kMillimetersPerInch : 1;
        //: The corner calibration's rectangle: %1 x %2 and the unit's short word, in or mm.
        lblCorners->setText(
            tr("Corners: %1 x %2 %3")
                .arg(QLocale().toString(corners.mapping->widthInches() * scale, 'g', 6),
                     QLocale().toString(corners.mapping->heightInches() * scale, 'g', 6),
                     metric ? "mm" : "in"));
    } else {
        lblCorners->setText(tr("Not corner calibrated"));
    }
    // A damaged calibration can be forgotten too.
    cmdResetCalibration->setEnabled(stored.pixelsPerInch || stored.damaged || corners.mapping ||
                                    corners.damaged);
    if (corners.damaged && !told.contains("corners " + key)) {
        told.insert("corners " + key);
        // A part that is no number has no reason the user could act on.
        QString why;
        if (corners.meshFolds)
            why = meshFoldsText();
        else if (corners.fault && *corners.fault != projection::CornerFault::NotANumber)
            why = cornerFaultText(*corners.fault);
        const QString damaged = CornerCalibrationView::tr(
            "The stored corner calibration of this screen is damaged and was not used.");
        platform::showWarning(this, tr("Projector"), why.isEmpty() ? damaged : damaged + ' ' + why,
                              "damagedCalibrationMessage");
    }
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
    if (!saveProjectorPreferences(
            {cboScreen->currentData().toString(), cboColours->currentIndex() == 0,
             cboLineWidth->currentData().toInt(), static_cast<Overlay>(cboOverlay->currentIndex()),
             chkMirrorAcross->isChecked(), chkMirrorDown->isChecked(), cboTurn->currentIndex(),
             cboMesh->currentData().toInt()}))
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

void ProjectorDialog::calibrateCorners()
{
    saveChoices();
    QScreen* screen = chosenScreen();
    auto* view =
        new CornerCalibrationView(screenKey(*screen), ruler_, cboMesh->currentData().toInt(), this);
    connect(view, &CornerCalibrationView::calibrated, this, &ProjectorDialog::showCalibration);
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

// Both calibrations of the screen go.
void ProjectorDialog::resetCalibration()
{
    const QString key = screenKey(*chosenScreen());
    if (!forgetPixelsPerInch(key) || !forgetCorners(key))
        platform::sayNotStored(this, tr("Projector"));
    showCalibration();
}

// A corner-calibrated screen shows the pattern through its mapping; else a screen not yet
// calibrated is calibrated by the bar first: its own idea of its size is not trusted.
void ProjectorDialog::showPattern()
{
    saveChoices();
    QScreen* screen = chosenScreen();
    const StoredCorners corners = readCorners(screenKey(*screen));
    if (corners.mapping) {
        const ProjectorPreferences look = loadProjectorPreferences();
        auto* view = new MappedProjectorView(
            image_, twipsPerPixel_, *corners.mapping, corners.units,
            {look.mirrorAcross, look.mirrorDown, look.quarterTurns, {}}, look, ruler_, this);
        view->setObjectName("MappedProjectorView");
        showView(view, screen);
        return;
    }
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
