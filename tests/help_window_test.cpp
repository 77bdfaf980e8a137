// F1 and Help > Content open the guide in the program's own help window, on the offscreen
// platform, with the real help file built from help/.
#include "app/frm_main.h"
#include "helpview/chm_file.h"
#include "helpview/help_browser.h"
#include "helpview/help_viewer.h"
#include "platform/application.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

using tavrel::app::frmMain;
using tavrel::help::HelpBrowser;
namespace platform = tavrel::platform;

namespace {

QUrl topic(const char* local) { return HelpBrowser::topicUrl(local); }

// A picture resource as the browser handed it over, or as the page keeps it once drawn.
QSize pictureSize(const QVariant& resource)
{
    if (resource.userType() == QMetaType::QPixmap) return resource.value<QPixmap>().size();
    if (resource.userType() == QMetaType::QImage) return resource.value<QImage>().size();
    return QImage::fromData(resource.toByteArray()).size();
}

class HelpWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.Form_Load();
        platform::setHelpFilePath(TAVREL_HELP_FILE);
    }

    QMainWindow* helpWindow() { return window.findChild<QMainWindow*>("helpWindow"); }
    HelpBrowser* browser() { return window.findChild<HelpBrowser*>("helpBrowser"); }
    QTreeWidget* contents() { return window.findChild<QTreeWidget*>("helpContents"); }
    QMessageBox* helpMessage() { return window.findChild<QMessageBox*>("helpMessage"); }
    QAction* action(const char* name) { return helpWindow()->findChild<QAction*>(name); }

    void pressF1()
    {
        QTest::keyClick(&window, Qt::Key_F1);
        ASSERT_NE(helpWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(helpWindow()));
    }

    void expectShowing(const QUrl& url, const QString& title)
    {
        EXPECT_EQ(browser()->source(), url);
        EXPECT_EQ(browser()->documentTitle(), title);
        EXPECT_TRUE(helpWindow()->windowTitle().startsWith(title))
            << helpWindow()->windowTitle().toStdString();
    }

    // Clicks a link of the page shown, as a reader does, by its address in the page.
    void clickLink(const QString& href)
    {
        QTextDocument* page = browser()->document();
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorHref() != href) continue;
                QTextCursor cursor(page);
                cursor.setPosition(it.fragment().position() + 1);
                browser()->setTextCursor(cursor);
                browser()->ensureCursorVisible();
                const QPoint at = browser()->cursorRect(cursor).center();
                QTest::mouseClick(browser()->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        }
        ADD_FAILURE() << "no link to " << href.toStdString();
    }

    frmMain window;
};

// Where the help window sends the links it hands to the desktop.
class DesktopLinks : public QObject {
    Q_OBJECT
public:
    DesktopLinks()
    {
        for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopLinks() override
    {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
    }
    std::vector<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }

private:
    static constexpr const char* kSchemes[] = {"mailto", "http", "https", "ftp", "file"};
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST_F(HelpWindow, F1OpensTheGuideAtItsContentsPage)
{
    pressF1();
    EXPECT_TRUE(helpWindow()->isVisible());
    expectShowing(topic("index.html"), "Tavrel Help");
    EXPECT_EQ(contents()->currentItem()->text(0), "Tavrel Help");
    EXPECT_FALSE(action("helpBack")->isEnabled());
    EXPECT_FALSE(action("helpForward")->isEnabled());
    EXPECT_EQ(helpMessage(), nullptr);
}

TEST_F(HelpWindow, HelpContentOpensItTheSameWay)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.mnuHelpContent->trigger();
    EXPECT_EQ(helpWindow(), nullptr);  // the queued F1 arrives after the menu's handler
    QTRY_VERIFY_WITH_TIMEOUT(helpWindow() != nullptr && helpWindow()->isVisible(), 2000);
    expectShowing(topic("index.html"), "Tavrel Help");
}

// One help window: F1 or Help > Content again brings it forward on the contents page, as when
// it first opened, wherever the reader had gone; once closed, F1 opens a new one.
TEST_F(HelpWindow, F1AgainReusesTheOneWindowOnItsContentsPage)
{
    pressF1();
    QMainWindow* first = helpWindow();
    const std::pair<const char*, std::function<void()>> again[] = {
        {"F1", [&] { QTest::keyClick(&window, Qt::Key_F1); }},
        {"Help > Content", [&] {
             window.windowHandle()->requestActivate();  // as a click on the main window does
             ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
             window.mnuHelpContent->trigger();
             QTest::qWait(50);
         }},
    };
    for (const auto& [command, give] : again) {
        SCOPED_TRACE(command);
        browser()->setSource(topic("ruler.html"));
        give();
        EXPECT_EQ(window.findChildren<QMainWindow*>("helpWindow").size(), 1);
        EXPECT_EQ(helpWindow(), first);
        expectShowing(topic("index.html"), "Tavrel Help");
    }

    first->close();
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<QMainWindow*>("helpWindow").size(), 0, 2000);
    pressF1();
    expectShowing(topic("index.html"), "Tavrel Help");
}

// Every entry of the contents shows its page when clicked, and stays marked.
TEST_F(HelpWindow, ClickingAContentsEntryShowsItsPage)
{
    pressF1();
    int pages = 0;
    for (QTreeWidgetItemIterator it(contents()); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const QUrl url = item->data(0, Qt::UserRole).toUrl();
        QTest::mouseClick(contents()->viewport(), Qt::LeftButton, {},
                          contents()->visualItemRect(item).center());
        if (url.isEmpty()) continue;
        ++pages;
        EXPECT_EQ(browser()->source(), url) << item->text(0).toStdString();
        EXPECT_EQ(contents()->currentItem(), item) << item->text(0).toStdString();
        EXPECT_FALSE(browser()->documentTitle().isEmpty());
        EXPECT_NE(browser()->documentTitle(), "Page not found");
    }
    EXPECT_GE(pages, 8);
}

// A link clicked in a page, then Back, Forward and Home, as a reader moves around.
TEST_F(HelpWindow, LinksBackForwardAndHome)
{
    pressF1();
    clickLink("typing.html");
    expectShowing(topic("typing.html"), "Typing the measurement");
    clickLink("ruler.html");
    expectShowing(topic("ruler.html"), "The ruler and its sentence");
    clickLink("printing.html#check");
    EXPECT_EQ(browser()->source(), topic("printing.html#check"));
    EXPECT_EQ(contents()->currentItem()->text(0), "Checking the printout");

    action("helpBack")->trigger();
    expectShowing(topic("ruler.html"), "The ruler and its sentence");
    action("helpBack")->trigger();
    expectShowing(topic("typing.html"), "Typing the measurement");
    ASSERT_TRUE(action("helpForward")->isEnabled());
    action("helpForward")->trigger();
    expectShowing(topic("ruler.html"), "The ruler and its sentence");
    action("helpHome")->trigger();
    expectShowing(topic("index.html"), "Tavrel Help");
}

// Esc and Ctrl+W close the help window from the page or the contents, and leave the main one.
TEST_F(HelpWindow, EscAndCtrlWCloseIt)
{
    const QKeySequence keys[] = {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : keys) {
        for (bool onContents : {false, true}) {
            pressF1();
            QPointer<QMainWindow> help = helpWindow();
            help->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(help));
            QWidget* focus = onContents ? static_cast<QWidget*>(contents()) : browser();
            focus->setFocus();
            QTest::keySequence(focus, key);
            EXPECT_TRUE(QTest::qWaitFor([&] { return help.isNull(); }))
                << key.toString().toStdString() << " " << onContents;
            EXPECT_TRUE(window.isVisible());
        }
    }
}

// Pictures and the style sheet come out of the help file too.
TEST_F(HelpWindow, PicturesAndTheStyleSheetLoad)
{
    pressF1();
    const std::pair<const char*, QSize> pictures[] = {{"index.html", {360, 539}},
                                                      {"measuring.html", {480, 104}},
                                                      {"ruler.html", {460, 100}}};
    for (const auto& [page, size] : pictures) {
        browser()->setSource(topic(page));
        int found = 0;
        QTextDocument* document = browser()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                if (!image.isValid()) continue;
                const QVariant picture =
                    document->resource(QTextDocument::ImageResource, image.name());
                EXPECT_EQ(pictureSize(picture), size) << page;
                ++found;
            }
        }
        EXPECT_EQ(found, 1) << page;
    }
    const QTextBlock heading = browser()->document()->begin();
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#4a3a7a"));
}

TEST_F(HelpWindow, AMissingPageSaysSoInsteadOfABlankPage)
{
    pressF1();
    browser()->setSource(topic("gone.html"));
    EXPECT_EQ(browser()->documentTitle(), "Page not found");
    EXPECT_TRUE(browser()->toPlainText().contains("gone.html"));
    EXPECT_EQ(contents()->currentItem(), nullptr);
}

// What cannot be shown keeps the message naming the file, and opens no window.
TEST_F(HelpWindow, AFileThatIsNotAHelpFileGivesTheMessage)
{
    QTemporaryDir folder;
    QFile guide(TAVREL_HELP_FILE);
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QByteArray whole = guide.readAll();
    // One flipped bit makes the control data's version 0x8002, whose window is 2 bytes.
    QByteArray flipped = whole;
    flipped[flipped.indexOf("LZXC") + 5] = char(0x80);
    struct Case {
        const char* what;
        QByteArray content;
        const char* says;
    };
    const Case cases[] = {{"missing", {}, "could not be found"},
                          {"half a help file", whole.left(whole.size() / 2),
                           "damaged or is not a help file"},
                          {"one bit flipped", flipped, "damaged or is not a help file"}};
    for (const Case& c : cases) {
        const QString path = folder.filePath(QString(c.what) + "/TavrelMarker.chm");
        if (!c.content.isNull()) {
            ASSERT_TRUE(QDir(folder.path()).mkpath(c.what));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        platform::setHelpFilePath(path);
        QTest::keyClick(&window, Qt::Key_F1);
        QMessageBox* message = helpMessage();
        ASSERT_NE(message, nullptr) << c.what;
        EXPECT_TRUE(message->text().contains(path)) << c.what;
        EXPECT_TRUE(message->text().contains(c.says)) << message->text().toStdString();
        EXPECT_EQ(helpWindow(), nullptr) << c.what;
        delete message;
    }
}

// The test guide's page outside.html names a picture, style sheets and a page outside the guide:
// by file address, by path and by name, which Qt's own loading looks up in the working folder.
// None of them reaches the window.
TEST_F(HelpWindow, NothingOutsideTheGuideLoads)
{
    const QString outside = TAVREL_OUTSIDE_DIR;
    ASSERT_TRUE(QDir().mkpath(outside));
    QImage outsidePicture(77, 33, QImage::Format_RGB32);
    outsidePicture.fill(Qt::red);
    ASSERT_TRUE(outsidePicture.save(outside + "/outside.png"));
    ASSERT_TRUE(writeFile(outside + "/outside.css", "h1 { color: #ff0000 }"));
    ASSERT_TRUE(writeFile(outside + "/imported.css", "p { color: #ff0000 }"));
    ASSERT_TRUE(writeFile(outside + "/outside.html", "<html><title>Outside</title></html>"));
    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(outside));
    platform::setHelpFilePath(TAVREL_TEST_GUIDE);
    pressF1();
    browser()->setSource(topic("outside.html"));
    const QImage shown = browser()->viewport()->grab().toImage();
    QDir::setCurrent(workingFolder);

    // Red shows only what came from outside: the picture, and text the style sheets color.
    int redPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) redPixels += shown.pixelColor(x, y) == Qt::red;
    EXPECT_EQ(redPixels, 0);
    int pictures = 0;
    QTextDocument* page = browser()->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            EXPECT_NE(format.foreground().color().name(), "#ff0000")
                << it.fragment().text().toStdString();
            pictures += format.isImageFormat();
        }
    }
    EXPECT_EQ(pictures, 4);

    DesktopLinks desktop;
    const QString outsidePage = "file://" + outside + "/outside.html";
    for (const QString& link : {outsidePage, QString("ftp://example.org/")}) {
        clickLink(link);
        expectShowing(topic("outside.html"), "Outside the guide");
    }
    EXPECT_TRUE(desktop.opened.empty());
    clickLink("mailto:someone@example.org");
    clickLink("https://example.org/help");
    expectShowing(topic("outside.html"), "Outside the guide");
    EXPECT_EQ(desktop.opened, (std::vector<QUrl>{QUrl("mailto:someone@example.org"),
                                                 QUrl("https://example.org/help")}));
    // A link inside the guide still opens; the refused ones left nothing to go back to.
    clickLink("typing.html");
    expectShowing(topic("typing.html"), "Typing the measurement");
    action("helpBack")->trigger();
    expectShowing(topic("outside.html"), "Outside the guide");
    action("helpBack")->trigger();
    expectShowing(topic("index.html"), "Tavrel Help");
    EXPECT_FALSE(action("helpBack")->isEnabled());
}

// Pages Qt's text layout would take seconds or more for, or overflow the stack on, say so instead.
TEST_F(HelpWindow, APageTooLargeToLayOutSaysSo)
{
    platform::setHelpFilePath(TAVREL_TEST_GUIDE);
    pressF1();
    const std::pair<const char*, const char*> pages[] = {
        {"tables-3.html", "Tables 3 deep"}, {"tables-4.html", "Page too large"},
        {"tables-20.html", "Page too large"}, {"large.html", "Page too large"},
        {"many-tags.html", "Page too large"}};
    for (const auto& [page, title] : pages) {
        browser()->setSource(topic(page));
        EXPECT_EQ(browser()->documentTitle(), title) << page;
        if (QString(title) == "Page too large") {
            EXPECT_TRUE(browser()->toPlainText().contains(page)) << page;
        }
    }
}

}  // namespace

#include "help_window_test.moc"
