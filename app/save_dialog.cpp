#include "app/save_dialog.h"

#include "app/printer_calibration.h"
#include "app/saved_choices.h"
#include "platform/settings_notice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

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

// The file types' patterns in brackets are what the dialog filters by: translations keep them.
constexpr FormatChoice kFormats[] = {
    {SaveFormat::Pdf, QT_TRANSLATE_NOOP("SaveDialog", "Save as PDF"),
     QT_TRANSLATE_NOOP("SaveDialog", "PDF document (*.pdf)"), "pdf"},
    {SaveFormat::Svg, QT_TRANSLATE_NOOP("SaveDialog", "Save as SVG"),
     QT_TRANSLATE_NOOP("SaveDialog", "SVG drawing (*.svg)"), "svg"},
    {SaveFormat::Png, QT_TRANSLATE_NOOP("SaveDialog", "Save as PNG"),
     QT_TRANSLATE_NOOP("SaveDialog", "PNG image (*.png)"), "png"},
    {SaveFormat::Dxf, QT_TRANSLATE_NOOP("SaveDialog", "Save as DXF"),
     QT_TRANSLATE_NOOP("SaveDialog", "DXF drawing for cutters (*.dxf)"), "dxf"},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("SaveDialog", text);
}

// The name as typed when it ends in one of the formats' extensions, else with `suffix` added:
// Qt adds none to "skirt v1.2", which it takes as ending in ".2".
QString withFormatEnding(const QString& path, const QString& suffix)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    for (const FormatChoice& choice : kFormats)
        if (ending == QLatin1String(choice.suffix)) return path;
    return path + '.' + suffix;
}

// Asked when the ending added names a file that exists, which the dialog did not ask about; in
// the words and languages of Qt's own question.
bool mayReplace(QWidget* parent, const QString& title, const QString& path)
{
    static constexpr char kQtDialog[] = "QFileDialog";
    static constexpr char kQuestion[] = "%1 already exists.\nDo you want to replace it?";
    return QMessageBox::warning(
               parent, title,
               QCoreApplication::translate(kQtDialog, kQuestion).arg(QFileInfo(path).fileName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

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
    choice->addItem(
        QCoreApplication::translate("SaveDialog", "None: the pattern at its true size"));
    for (const QString& printer : printers)
        //: %1 is a printer, %2 its correction, such as "102 % across, 99.5 % down".
        choice->addItem(
            QCoreApplication::translate("SaveDialog", "%1 (%2)")
                .arg(printer, exporting::correctionText(storedPrintCorrection(printer))),
            printer);
    auto* label =
        new QLabel(QCoreApplication::translate("SaveDialog", "Correct &for printer:"), &dialog);
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
    QFileDialog dialog(parent, translated(chosen.title));
    dialog.setObjectName("saveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatChoice& choice : kFormats) filters << translated(choice.filter);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(translated(chosen.filter));
    dialog.setDefaultSuffix(chosen.suffix);
    QComboBox* printer = addPrinterChoice(dialog);
    const auto formatChosen = [&](const QString& filter) {
        for (const FormatChoice& choice : kFormats)
            if (filter == translated(choice.filter)) dialog.setDefaultSuffix(choice.suffix);
        if (printer) printer->setEnabled(filter == translated(choiceOf(SaveFormat::Pdf).filter));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, formatChosen);
    formatChosen(translated(chosen.filter));
    // A name to start from, so that saving needs no typing.
    dialog.setDirectory(lastSaveFolder());
    //: The name offered for a new file, without its suffix.
    dialog.selectFile(QCoreApplication::translate("SaveDialog", "pattern") + '.' + chosen.suffix);

    QString path;
    do {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString named = dialog.selectedFiles().constFirst();
        path = withFormatEnding(named, dialog.defaultSuffix());
        if (path == named || !QFileInfo::exists(path)) break;
        dialog.selectFile(QFileInfo(path).fileName());
    } while (!mayReplace(parent, dialog.windowTitle(), path));
    if (!printer || printer->currentIndex() == 0) return {path, {}};
    return {path, storedPrintCorrection(printer->currentData().toString())};
}

void rememberSavedFolder(QWidget* parent, SaveFormat format, const QString& path)
{
    if (!rememberSaveFolder(QFileInfo(path).absolutePath()))
        platform::sayNotStoredOnce(parent, translated(choiceOf(format).title));
}

}  // namespace tavrel::app
