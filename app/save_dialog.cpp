#include "app/save_dialog.h"

#include "app/saved_choices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

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

}  // namespace

QString askWhereToSave(QWidget* parent, SaveFormat format)
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
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        for (const FormatChoice& choice : kFormats)
            if (filter == choice.filter) dialog.setDefaultSuffix(choice.suffix);
    });
    // A name to start from, so that saving needs no typing.
    dialog.setDirectory(lastSaveFolder());
    dialog.selectFile(QString("pattern.%1").arg(chosen.suffix));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    rememberSaveFolder(QFileInfo(path).absolutePath());
    return path;
}

}  // namespace tavrel::app
