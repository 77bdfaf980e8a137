#include "app/save_dialog.h"

#include "app/printer_calibration.h"
#include "app/saved_choices.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <iterator>

namespace tavrel::app {
namespace {

struct FormatChoice {
    SaveFormat format;
    const char* title;
    const char* filter;
    const char* suffix;
};

constexpr FormatChoice kFormats[] = {
    {SaveFormat::Pdf, "Save as PDF", "PDF document (*.pdf)", "pdf"},
    {SaveFormat::Svg, "Save as SVG", "SVG drawing (*.svg)", "svg"},
    {SaveFormat::Png, "Save as PNG", "PNG image (*.png)", "png"},
    {SaveFormat::Dxf, "Save as DXF", "DXF drawing for cutters (*.dxf)", "dxf"},
};

const FormatChoice& choiceOf(SaveFormat format)
{
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [format](const FormatChoice& choice) { return choice.format == format; });
}

// A row under the file type: no correction, or a calibrated printer's. Only Qt's own dialog
// takes a row of ours, so it is used once there is a printer to offer.
QComboBox* addPrinterChoice(QFileDialog& dialog)
{
    const QStringList printers = calibratedPrinters();
    if (printers.isEmpty()) return nullptr;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return nullptr;
    auto* choice = new QComboBox(&dialog);
    choice->setObjectName("printerCorrectionCombo");
    choice->addItem(QFileDialog::tr("None: the PDF measures true"));
    for (const QString& printer : printers)
        choice->addItem(QFileDialog::tr("%1 (%2)").arg(
                            printer, exporting::correctionText(storedPrintCorrection(printer))),
                        printer);
    auto* label = new QLabel(QFileDialog::tr("Correct &for printer:"), &dialog);
    label->setBuddy(choice);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(choice, row, 1);
    return choice;
}

}  // namespace

SaveTarget askWhereToSave(QWidget* parent, SaveFormat format)
{
    const FormatChoice& chosen = choiceOf(format);
    QFileDialog dialog(parent, chosen.title);
    dialog.setObjectName("saveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatChoice& choice : kFormats) filters << choice.filter;
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(chosen.filter);
    dialog.setDefaultSuffix(chosen.suffix);
    QComboBox* printer = addPrinterChoice(dialog);
    const auto formatChosen = [&](const QString& filter) {
        for (const FormatChoice& choice : kFormats)
            if (filter == choice.filter) dialog.setDefaultSuffix(choice.suffix);
        if (printer) printer->setEnabled(filter == choiceOf(SaveFormat::Pdf).filter);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, formatChosen);
    formatChosen(chosen.filter);
    // A name to start from, so that saving needs no typing.
    dialog.setDirectory(lastSaveFolder());
    dialog.selectFile(QString("pattern.%1").arg(chosen.suffix));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    rememberSaveFolder(QFileInfo(path).absolutePath());
    if (!printer || printer->currentIndex() == 0) return {path, {}};
    return {path, storedPrintCorrection(printer->currentData().toString())};
}

}  // namespace tavrel::app
