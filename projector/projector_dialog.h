#pragma once
// The projector's choices: which screen, white on black or black on white, the line width, a
// grid or a ruler to check by eye, and the screen's calibration (made, kept or reset).

#include "measure/unit.h"
#include "picture/persistent_image.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScreen;

namespace tavrel::projector {

class ProjectorDialog : public QDialog {
    Q_OBJECT
public:
    ProjectorDialog(picture::PersistentImage image, double twipsPerPixel, measure::UnitSystem ruler,
                    QWidget* parent = nullptr);

    QComboBox* cboScreen = nullptr;
    QComboBox* cboColours = nullptr;
    QComboBox* cboLineWidth = nullptr;
    QComboBox* cboOverlay = nullptr;
    QComboBox* cboMesh = nullptr;
    QCheckBox* chkMirrorAcross = nullptr;
    QCheckBox* chkMirrorDown = nullptr;
    QComboBox* cboTurn = nullptr;
    QLabel* lblCalibration = nullptr;
    QLabel* lblCorners = nullptr;
    QPushButton* cmdResetCalibration = nullptr;  // on while there is a calibration to forget

    void calibrate();
    void calibrateCorners();
    void resetCalibration();
    void showPattern();

protected:
    void changeEvent(QEvent* event) override;

private:
    QScreen* chosenScreen() const;
    void showCalibration();
    void saveChoices();
    void calibrateThen(bool showPatternAfter);
    void showView(QWidget* view, QScreen* screen);

    picture::PersistentImage image_;
    double twipsPerPixel_;
    measure::UnitSystem ruler_;
    QPointer<QWidget> view_;  // the calibration or the pattern on its screen
};

}  // namespace tavrel::projector
