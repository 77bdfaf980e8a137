#pragma once
// Calibrating the default printer: the correction in force, the sheet to print, the two bars'
// lengths as measured on it in the dialog's own unit, and a reset.

#include "export/calibration_bars.h"
#include "measure/unit.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tavrel::app {

class PrinterCalibrationDialog : public QDialog {
    Q_OBJECT
public:
    PrinterCalibrationDialog(measure::UnitSystem units, QWidget* parent = nullptr);

    QLabel* lblPrinter = nullptr;
    QLabel* lblCorrection = nullptr;
    QComboBox* cboUnit = nullptr;
    QLabel* lblAcross = nullptr;
    QLineEdit* txtAcross = nullptr;
    QLabel* lblDown = nullptr;
    QLineEdit* txtDown = nullptr;

    void printSheet();
    // True when the typed lengths gave a correction, now stored (for this run only when the
    // settings file cannot be written, which the user is told).
    bool storeCorrection();
    void resetCorrection();

private:
    measure::UnitSystem unit() const;
    exporting::CalibrationBars bars() const;
    void showPrinter();

    QString printerName_;
    QSizeF printable_;
};

// The dialog, modal, for the window's unit (millimeters or inches).
void calibratePrinter(QWidget* parent, measure::UnitSystem units);

}  // namespace tavrel::app
