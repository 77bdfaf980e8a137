#include "help_viewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tavrel::platform {
namespace {

QString& storedPath()
{
    static QString path;
    return path;
}

void showProblem(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, "Tavrel Help", text, QMessageBox::Ok, parent);
    box->setObjectName("helpMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace

void setHelpFilePath(const QString& path) { storedPath() = path; }
QString helpFilePath() { return storedPath(); }

bool showHelp(QWidget* parent)
{
    const QString path = storedPath();
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        showProblem(parent, QString("The help file could not be found or read:\n%1").arg(path));
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        showProblem(parent, QString("No help viewer could open the help file:\n%1").arg(path));
        return false;
    }
    return true;
}

}  // namespace tavrel::platform
