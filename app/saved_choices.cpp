#include "app/saved_choices.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <string>

namespace tavrel::app {
namespace {

constexpr const char* kFolderKey = "save/folder";
constexpr const char* kPaperKey = "save/pdfPaper";

QSettings settings()
{
    return QSettings("Tavrel", "Tavrel");
}

}  // namespace

QString lastSaveFolder()
{
    const QString saved = settings().value(kFolderKey).toString();
    if (!saved.isEmpty() && QDir(saved).exists()) return saved;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void rememberSaveFolder(const QString& folder)
{
    settings().setValue(kFolderKey, folder);
}

// Kept by the command line's word for it, which stays the same as papers are added.
exporting::Paper pdfPaper()
{
    const std::string name = settings().value(kPaperKey).toString().toStdString();
    return exporting::paperNamed(name).value_or(exporting::defaultPaper());
}

void rememberPdfPaper(exporting::Paper paper)
{
    settings().setValue(kPaperKey, QString::fromUtf8(exporting::paperName(paper)));
}

}  // namespace tavrel::app
