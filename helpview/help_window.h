#pragma once
// The help window: the contents of a compiled help file beside its pages, with Back, Forward
// and Home.

#include <QMainWindow>

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace tavrel::help {

class ChmFile;
class HelpBrowser;

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens at the help file's default topic. `filePath` names the file it was opened from.
    HelpWindow(std::unique_ptr<ChmFile> helpFile, const QString& filePath, QWidget* parent);

    QString filePath() const { return filePath_; }

    // The page the window opened on, at its top; Back returns to the page read before.
    void showStartPage();

private:
    void createToolBar();
    void fillContents();
    void showTopic(QTreeWidgetItem* item);
    void followPage(const QUrl& url);

    QString filePath_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
};

}  // namespace tavrel::help
