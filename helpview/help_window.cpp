#include "helpview/help_window.h"

#include "helpview/chm_file.h"
#include "helpview/help_browser.h"

#include <QAction>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace tavrel::help {
namespace {

constexpr int kTopicRole = Qt::UserRole;  // the address of a contents entry's page
const QSize kPreferredSize(800, 600);
constexpr int kContentsWidth = 230;

QString windowTitleFor(const QString& pageTitle, const QString& helpTitle)
{
    QStringList parts;
    if (!pageTitle.isEmpty()) parts << pageTitle;
    if (!helpTitle.isEmpty() && helpTitle != pageTitle) parts << helpTitle;
    if (parts.isEmpty()) return HelpWindow::tr("Help");
    if (parts.size() == 1) return parts.front();
    //: The window's title: the page's title, then the help file's.
    return HelpWindow::tr("%1 - %2").arg(parts[0], parts[1]);
}

}  // namespace

HelpWindow::HelpWindow(std::unique_ptr<ChmFile> helpFile, const QString& filePath,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window), filePath_(filePath)
{
    setObjectName("helpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    const QString start = helpFile->defaultTopic();
    browser_ = new HelpBrowser(std::move(helpFile), this);
    contents_ = new QTreeWidget(this);
    contents_->setObjectName("helpContents");
    contents_->setHeaderHidden(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    createToolBar();
    fillContents();

    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::showTopic);
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::showTopic);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followPage);
    browser_->setSource(HelpBrowser::topicUrl(start));

    resize(kPreferredSize.boundedTo(screen()->availableGeometry().size()));
    splitter->setSizes({kContentsWidth, width() - kContentsWidth});
}

void HelpWindow::showStartPage() { browser_->home(); }

void HelpWindow::createToolBar()
{
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName("helpToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"),
                                   browser_, &QTextBrowser::backward);
    back->setObjectName("helpBack");
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);

    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("&Forward"), browser_, &QTextBrowser::forward);
    forward->setObjectName("helpForward");
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"),
                                   browser_, &QTextBrowser::home);
    home->setObjectName("helpHome");
    home->setShortcut(Qt::ALT | Qt::Key_Home);

    // Not on the bar: Esc, Ctrl+W and the platform's own close keys close the window, as a
    // viewer's do.
    QList<QKeySequence> closeKeys = {Qt::Key_Escape, Qt::CTRL | Qt::Key_W};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!closeKeys.contains(key)) closeKeys << key;
    auto* closeWindow = new QAction(this);
    closeWindow->setObjectName("helpClose");
    closeWindow->setShortcuts(closeKeys);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    addAction(closeWindow);
}

// The contents as a tree: each entry hangs under the last entry one level up.
void HelpWindow::fillContents()
{
    std::vector<QTreeWidgetItem*> lastAtDepth;
    for (const HelpTopic& topic : browser_->helpFile().contents()) {
        lastAtDepth.resize(std::min<size_t>(topic.depth, lastAtDepth.size()));
        auto* item = lastAtDepth.empty() ? new QTreeWidgetItem(contents_)
                                         : new QTreeWidgetItem(lastAtDepth.back());
        item->setText(0, topic.name);
        if (!topic.local.isEmpty())
            item->setData(0, kTopicRole, HelpBrowser::topicUrl(topic.local));
        lastAtDepth.push_back(item);
    }
    contents_->expandAll();
}

void HelpWindow::showTopic(QTreeWidgetItem* item)
{
    const QUrl url = item->data(0, kTopicRole).toUrl();
    if (!url.isEmpty()) browser_->setSource(url);
}

// Whatever brought the page (contents, a link, Back), the title and the marked contents entry
// follow it: the entry for exactly this address, else the first one for the same page.
void HelpWindow::followPage(const QUrl& url)
{
    setWindowTitle(windowTitleFor(browser_->documentTitle(), browser_->helpFile().title()));
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    QTreeWidgetItem* match = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QUrl topic = (*it)->data(0, kTopicRole).toUrl();
        if (topic == url) {
            match = *it;
            break;
        }
        if (!match && !topic.isEmpty() && topic.adjusted(QUrl::RemoveFragment) == page)
            match = *it;
    }
    contents_->setCurrentItem(match);
}

}  // namespace tavrel::help
