#include "app/printer_calibration_dialog.h"

#include "app/printer_calibration.h"
#include "extras/extras.h"
#include "measure/physical_units.h"
#include "measure/typed_length.h"
#include "platform/decimal_comma.h"
#include "platform/notice.h"
#include "platform/settings_notice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel::app {
namespace {

using measure::kTwipsPerInch;

}  // namespace

PrinterCalibrationDialog::PrinterCalibrationDialog(measure::UnitSystem units, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("PrinterCalibrationDialog");
    setWindowTitle(tr("Calibrate Printer"));
    lblPrinter = new QLabel(this);
    lblPrinter->setObjectName("lblPrinter");
    lblPrinter->setWordWrap(true);
    lblCorrection = new QLabel(this);
    lblCorrection->setObjectName("lblCorrection");
    cboUnit = new QComboBox(this);
    cboUnit->setObjectName("cboUnit");
    cboUnit->addItems({tr("Inches"), tr("Millimeters")});
    cboUnit->setCurrentIndex(units == measure::UnitSystem::Metric ? 1 : 0);
    lblAcross = new QLabel(this);
    txtAcross = new QLineEdit(this);
    txtAcross->setObjectName("txtAcross");
    lblAcross->setBuddy(txtAcross);
    lblDown = new QLabel(this);
    txtDown = new QLineEdit(this);
    txtDown->setObjectName("txtDown");
    platform::typePointForComma(*txtAcross);
    platform::typePointForComma(*txtDown);
    lblDown->setBuddy(txtDown);

    auto* buttons = new QDialogButtonBox(this);
    auto* print = buttons->addButton(tr("&Print Sheet"), QDialogButtonBox::ActionRole);
    auto* store = buttons->addButton(tr("&Save Correction"), QDialogButtonBox::ApplyRole);
    auto* reset = buttons->addButton(tr("&Reset Correction"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Close);
    // Return after the second length stores them, never resets.
    for (QPushButton* button : buttons->findChildren<QPushButton*>()) button->setAutoDefault(false);
    store->setDefault(true);
    connect(print, &QPushButton::clicked, this, &PrinterCalibrationDialog::printSheet);
    connect(store, &QPushButton::clicked, this, &PrinterCalibrationDialog::storeCorrection);
    connect(reset, &QPushButton::clicked, this, &PrinterCalibrationDialog::resetCorrection);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboUnit, &QComboBox::currentIndexChanged, this, &PrinterCalibrationDialog::showPrinter);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Printer:"), lblPrinter);
    form->addRow(tr("Correction:"), lblCorrection);
    form->addRow(tr("&Unit:"), cboUnit);
    form->addRow(lblAcross, txtAcross);
    form->addRow(lblDown, txtDown);
    form->addRow(buttons);

    const printing::DefaultPrinter printer = extras::table().defaultPrinter();
    printerName_ = printer.name;
    printable_ = printer.printableTwips;
    lblPrinter->setText(printer.problem.isEmpty() ? printerName_ : printer.problem);
    // Without a printer there are no bars to measure: the reason shows alone.
    const bool hasPrinter = !printerName_.isEmpty();
    for (QPushButton* needsPrinter : {print, store, reset}) needsPrinter->setEnabled(hasPrinter);
    QWidget* const rowsOfAPrinter[] = {lblCorrection, cboUnit, txtAcross, txtDown};
    for (QWidget* row : rowsOfAPrinter) form->setRowVisible(row, hasPrinter);
    showPrinter();
}

measure::UnitSystem PrinterCalibrationDialog::unit() const
{
    return cboUnit->currentIndex() == 1 ? measure::UnitSystem::Metric : measure::UnitSystem::Inch;
}

exporting::CalibrationBars PrinterCalibrationDialog::bars() const
{
    return exporting::calibrationBarsFor(printable_, unit());
}

// The labels name the bars' lengths as the sheet in the chosen unit prints them.
void PrinterCalibrationDialog::showPrinter()
{
    const exporting::PrintCorrection correction = storedPrintCorrection(printerName_);
    lblCorrection->setText(correction.none() ? tr("None: prints go out as the printer makes them")
                                             : exporting::correctionText(correction));
    const exporting::CalibrationBars printed = bars();
    lblAcross->setText(
        tr("&Across bar (%1) measures:").arg(exporting::barLengthText(printed.across, unit())));
    lblDown->setText(
        tr("&Down bar (%1) measures:").arg(exporting::barLengthText(printed.down, unit())));
}

void PrinterCalibrationDialog::printSheet()
{
    const printing::PrintOutcome outcome = extras::table().printCalibrationSheet(unit());
    if (!outcome.sent)
        platform::showWarning(this, tr("Calibrate Printer"), outcome.problem, "printMessage");
}

bool PrinterCalibrationDialog::storeCorrection()
{
    const auto across = measure::readTypedInches(txtAcross->text().trimmed().toStdString(), unit());
    const auto down = measure::readTypedInches(txtDown->text().trimmed().toStdString(), unit());
    const exporting::CalibrationBars printed = bars();
    const MeasuredCorrection measured =
        across && down && *across > 0 && *down > 0
            ? correctionFromBars(printed.across / kTwipsPerInch, *across,
                                 printed.down / kTwipsPerInch, *down)
            : MeasuredCorrection{std::nullopt,
                                 unit() == measure::UnitSystem::Metric
                                     ? tr("Type each length in millimeters, as 198.5.")
                                     : tr("Type each length in inches, as 7.85 or 7 7/8.")};
    if (!measured.correction) {
        platform::showWarning(this, tr("Calibrate Printer"), measured.problem,
                              "calibrationMessage");
        return false;
    }
    if (!storePrintCorrection(printerName_, *measured.correction))
        platform::sayNotStored(this, tr("Calibrate Printer"));
    txtAcross->clear();
    txtDown->clear();
    showPrinter();
    return true;
}

void PrinterCalibrationDialog::resetCorrection()
{
    if (!forgetPrintCorrection(printerName_)) platform::sayNotStored(this, tr("Calibrate Printer"));
    showPrinter();
}

// Without a printer there is nothing to measure: the reason is said instead of the dialog.
void calibratePrinter(QWidget* parent, measure::UnitSystem units)
{
    if (const QString problem = extras::table().defaultPrinter().problem; !problem.isEmpty()) {
        platform::showWarning(parent, PrinterCalibrationDialog::tr("Calibrate Printer"), problem,
                              "printMessage");
        return;
    }
    PrinterCalibrationDialog dialog(units, parent);
    dialog.exec();
}

}  // namespace tavrel::app
