#pragma once
// The main window: the unit buttons, the measurement box, the pattern and its scale sentence,
// the print button and the File and Help menus, beside the Pattern menu. It wires controls to
// the pure code and applies results.

#include "app/grown_controls.h"
#include "app/pattern_menu.h"
#include "measure/conversion.h"
#include "pattern/arc_call.h"
#include "pattern/pattern_plan.h"
#include "platform/picture_box.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tavrel::platform {
class ScrollView;
}

namespace tavrel::app {

class RedrawQueue;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    void Form_Load();

    // The arc primitive on a device context; false (nothing drawn) when a 16-bit step overflows.
    bool DrawArc(picture::DeviceContext& hdc, std::int16_t X, std::int16_t Y,
                 std::int16_t StartAngle, std::int16_t EndAngle, std::int16_t radius);

    float BaseLength() const { return BaseLength_; }

    // A short note under the entry box (under the too-large notice when that shows too) on what
    // became of the text: gone again with the next change of the text.
    void showBoxNotice(const QString& text);

    // The window's outer size in twips, as last requested.
    int Width() const { return widthTwips_; }
    int Height() const { return heightTwips_; }
    void setWidth(int twips);
    void setHeight(int twips);
    // Where the controls leave room for the picture, as each drawing places it.
    pattern::ControlRoom controlRoom() const;

    // Controls, named as the program's documentation names them.
    std::array<QRadioButton*, 3> optMeasureType{};
    QLineEdit* txtMeasure = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdPrint = nullptr;
    platform::PictureBox* picPattern = nullptr;
    QLabel* lblScale = nullptr;
    QLabel* lblTooLarge = nullptr;
    QLabel* lblNotice = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuFileExit = nullptr;
    PatternMenu* mnuPattern = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContent = nullptr;
    QAction* mnuHelpSep1 = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // Event handlers.
    void optMeasureType_Click(int Index);
    void txtMeasure_KeyPress(int& KeyAscii);
    void txtMeasure_Change();
    void cmdPrint_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuHelpContent_Click();
    void mnuHelpAbout_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    measure::Conversion GetMeasurement() const;
    void DrawPattern();
    void PrintPattern();
    void drawOnce();
    void showWholeSentence(int plannedWindowHeight);
    std::optional<measure::Unit> selectedUnit() const;
    void showTooLargeNotice();
    void placeUnderBox(QLabel& notice, int top);
    void createControls(QWidget* client);
    void createMenus();
    void applyOuterSize();
    void updateClientArea();
    int controlsBottom() const;
    void showBox();
    static QString promptText(bool millimeters);
    measure::UnitSystem checkRuler() const;
    static QString scaleSentence(measure::UnitSystem ruler);

    platform::ScrollView* clientView_ = nullptr;
    Growth growth_;               // of the controls past their stored places
    QSize askedClient_;           // the client's size as the window's asked size leaves it
    bool pictureInView_ = false;  // the window was last sized around the picture
    float BaseLength_ = 0.0f;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    RedrawQueue* redraws_ = nullptr;
};

}  // namespace tavrel::app
