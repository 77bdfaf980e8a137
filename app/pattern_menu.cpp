#include "app/pattern_menu.h"

#include "app/paper_menu.h"
#include "app/printer_calibration_dialog.h"
#include "app/redraw_queue.h"
#include "app/saved_choices.h"
#include "export/file_name.h"
#include "export/paper.h"
#include "extras/extras.h"
#include "platform/notice.h"
#include "platform/picture_box.h"
#include "platform/screen_metrics.h"
#include "platform/settings_notice.h"
#include "projector/projector.h"

#include <QGuiApplication>

namespace tavrel::app {

PatternMenu::PatternMenu(QWidget* window, const platform::PictureBox& picture, RedrawQueue& redraws,
                         ChosenUnit unit)
    : QMenu(tr("&Pattern"), window),
      window_(window),
      picture_(picture),
      redraws_(redraws),
      unit_(std::move(unit))
{
    setObjectName("mnuPattern");
    const auto addSave = [this](const QString& caption, const char* name, SaveFormat format) {
        QAction* action = addAction(caption);
        action->setObjectName(name);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this,
                [this, format] { mnuPatternSave_Click(format); });
        return action;
    };
    mnuPatternSavePdf = addSave(tr("Save as &PDF..."), "mnuPatternSavePdf", SaveFormat::Pdf);
    mnuPatternSaveSvg = addSave(tr("Save as &SVG..."), "mnuPatternSaveSvg", SaveFormat::Svg);
    mnuPatternSavePng = addSave(tr("Save as P&NG..."), "mnuPatternSavePng", SaveFormat::Png);
    mnuPatternSaveDxf = addSave(tr("Save as &DXF..."), "mnuPatternSaveDxf", SaveFormat::Dxf);
    mnuPatternSep1 = addSeparator();
    mnuPatternSep1->setObjectName("mnuPatternSep1");
    mnuPatternPaper = addMenu(tr("PDF Pape&r"));
    mnuPatternPaper->setObjectName("mnuPatternPaper");
    addPaperChoices(*mnuPatternPaper, pdfPaper(), [this](exporting::Paper paper) {
        if (!rememberPdfPaper(paper)) platform::sayNotStoredOnce(window_, tr("PDF Paper"));
    });
    mnuPatternSep2 = addSeparator();
    mnuPatternSep2->setObjectName("mnuPatternSep2");
    mnuPatternProjector = addAction(tr("Pro&jector View..."));
    mnuPatternProjector->setObjectName("mnuPatternProjector");
    mnuPatternProjector->setEnabled(false);
    connect(mnuPatternProjector, &QAction::triggered, this,
            &PatternMenu::mnuPatternProjector_Click);
    mnuPatternCalibratePrinter = addAction(tr("&Calibrate Printer..."));
    mnuPatternCalibratePrinter->setObjectName("mnuPatternCalibratePrinter");
    connect(mnuPatternCalibratePrinter, &QAction::triggered, this,
            &PatternMenu::mnuPatternCalibratePrinter_Click);
}

void PatternMenu::enablePictureCommands(bool enabled)
{
    for (QAction* command : {mnuPatternSavePdf, mnuPatternSaveSvg, mnuPatternSavePng,
                             mnuPatternSaveDxf, mnuPatternProjector})
        command->setEnabled(enabled);
}

// Millimeters were chosen in the window: centimeters beside the pattern.
measure::UnitSystem PatternMenu::unitSystem() const
{
    return measure::unitSystemOf(unit_().value_or(measure::Unit::InchesDecimal));
}

// The three save commands are on and off together.
void PatternMenu::mnuPatternSave_Click(SaveFormat format)
{
    redraws_.afterDrawing([this, format] {
        if (mnuPatternSavePdf->isEnabled()) SavePattern(format);
    });
}

// The picture as shown, drawn again from its plan at the screen's scale, into a file the user
// names. A failure is said in a message; success needs no word.
void PatternMenu::SavePattern(SaveFormat format)
{
    const SaveTarget target = askWhereToSave(window_, format);
    if (target.path.isEmpty()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = extras::table().savePicture(
        *shownPlan_, {exporting::fileNamed(target.path), platform::twipsPerPixelX(), unitSystem(),
                      pdfPaper(), target.correction});
    QGuiApplication::restoreOverrideCursor();
    if (failure.isEmpty())
        rememberSavedFolder(window_, format, target.path);
    else
        platform::showWarning(window_, tr("Save Pattern"), failure, "saveMessage");
}

// The picture as shown, projected at true scale on a screen the user chooses.
void PatternMenu::mnuPatternProjector_Click()
{
    redraws_.afterDrawing([this] {
        if (mnuPatternProjector->isEnabled())
            projector::openProjector(window_, picture_.Image(), platform::twipsPerPixelX(),
                                     unitSystem());
    });
}

// The dialog measures in the window's unit, or in the locale's until one is chosen.
void PatternMenu::mnuPatternCalibratePrinter_Click()
{
    const std::optional<measure::Unit> unit = unit_();
    calibratePrinter(window_, unit ? measure::unitSystemOf(*unit) : exporting::defaultUnitSystem());
}

}  // namespace tavrel::app
