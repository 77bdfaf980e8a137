#include "helpview/help_viewer.h"

#include "helpview/chm_file.h"
#include "helpview/help_window.h"
#include "platform/notice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace tavrel::help {
namespace {

// The one help window; it deletes itself when closed.
QPointer<HelpWindow>& openWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

void showProblem(QWidget* parent, const QString& text)
{
    platform::showWarning(parent, QCoreApplication::translate("HelpViewer", "Help Not Available"),
                          text, "helpMessage");
}

// A help file worth a window: it opens, and the page to show first reads whole.
bool hasReadableStartPage(const ChmFile* helpFile)
{
    if (!helpFile || helpFile->defaultTopic().isEmpty()) return false;
    const std::optional<QByteArray> page = helpFile->read(helpFile->defaultTopic());
    return page && !page->isEmpty();
}

void bringToFront(QWidget* window)
{
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

}  // namespace

bool showHelp(QWidget* parent, const QString& path)
{
    if (openWindow() && openWindow()->filePath() == path) {
        openWindow()->showStartPage();
        bringToFront(openWindow());
        return true;
    }
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        showProblem(parent, QCoreApplication::translate(
                                "HelpViewer", "The help file could not be found or read:\n%1")
                                .arg(path));
        return false;
    }
    std::unique_ptr<ChmFile> helpFile = ChmFile::open(path);
    if (!hasReadableStartPage(helpFile.get())) {
        showProblem(parent, QCoreApplication::translate(
                                "HelpViewer", "The help file is damaged or is not a help file:\n%1")
                                .arg(path));
        return false;
    }
    delete openWindow();
    openWindow() = new HelpWindow(std::move(helpFile), path, parent);
    bringToFront(openWindow());
    return true;
}

}  // namespace tavrel::help
