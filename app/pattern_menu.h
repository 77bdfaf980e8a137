#pragma once
// The Pattern menu of the main window: saving the picture on screen as PDF, SVG, PNG or DXF, the
// paper of PDFs, the projector and the printer's calibration. The commands that take the
// picture are on only while it is the entry box's own, and wait for a drawing under way.

#include "app/save_dialog.h"
#include "measure/unit.h"
#include "pattern/pattern_plan.h"

#include <QMenu>

#include <functional>
#include <optional>

namespace tavrel::platform {
class PictureBox;
}

namespace tavrel::app {

class RedrawQueue;

class PatternMenu : public QMenu {
    Q_OBJECT
public:
    using ChosenUnit = std::function<std::optional<measure::Unit>()>;

    // Dialogs open over `window`, which shows `picture`, drawn in the unit `unit` tells.
    PatternMenu(QWidget* window, const platform::PictureBox& picture, RedrawQueue& redraws,
                ChosenUnit unit);

    QAction* mnuPatternSavePdf = nullptr;
    QAction* mnuPatternSaveSvg = nullptr;
    QAction* mnuPatternSavePng = nullptr;
    QAction* mnuPatternSaveDxf = nullptr;
    QAction* mnuPatternSep1 = nullptr;
    QMenu* mnuPatternPaper = nullptr;
    QAction* mnuPatternSep2 = nullptr;
    QAction* mnuPatternProjector = nullptr;
    QAction* mnuPatternCalibratePrinter = nullptr;

    // The plan the picture on screen was drawn from, which saving draws again.
    void showPicture(const pattern::PatternPlan& plan) { shownPlan_ = plan; }
    // On while the picture on screen is the box's own.
    void enablePictureCommands(bool enabled);

    void mnuPatternSave_Click(SaveFormat format);
    void mnuPatternProjector_Click();
    void mnuPatternCalibratePrinter_Click();

private:
    void SavePattern(SaveFormat format);
    measure::UnitSystem unitSystem() const;

    QWidget* window_;
    const platform::PictureBox& picture_;
    RedrawQueue& redraws_;
    ChosenUnit unit_;
    std::optional<pattern::PatternPlan> shownPlan_;
};

}  // namespace tavrel::app
