#include "app/saved_choices.h"

#include "platform/user_settings.h"

#include <QDir>
#include <QStandardPaths>

#include <string>

namespace tavrel::app {
namespace {

constexpr const char* kFolderKey = "save/folder";
constexpr const char* kPaperKey = "save/pdfPaper";

}  // namespace

QString lastSaveFolder()
{
    const QString saved = platform::userSetting(kFolderKey).toString();
    if (!saved.isEmpty() && QDir(saved).exists()) return saved;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

bool rememberSaveFolder(const QString& folder)
{
    return platform::storeUserSettings({{kFolderKey, folder}});
}

// Kept by the command line's word for it, which stays the same as papers are added.
exporting::Paper pdfPaper()
{
    const std::string name = platform::userSetting(kPaperKey).toString().toStdString();
    return exporting::paperNamed(name).value_or(exporting::defaultPaper());
}

bool rememberPdfPaper(exporting::Paper paper)
{
    return platform::storeUserSettings(
        {{kPaperKey, QString::fromUtf8(exporting::paperName(paper))}});
}

}  // namespace tavrel::app
