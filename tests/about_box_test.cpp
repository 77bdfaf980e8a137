#include "app/frm_about.h"
#include "platform/build_info.h"
#include "platform/screen_metrics.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using tavrel::app::frmAbout;

namespace {

// Stands in for the desktop's mail program: receives what the link hands to the desktop.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class AboutBox : public testing::Test {
protected:
    void SetUp() override
    {
        about = new frmAbout(&owner);
        about->Form_Load();
        about->open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    }
    void TearDown() override
    {
        if (about) about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The box deletes itself once closed.
    bool closed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return about.isNull();
    }

    void moveOverLink(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, about->txtLink->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(about->txtLink, &move);
    }

    QWidget owner;
    QPointer<frmAbout> about;
};

TEST_F(AboutBox, ShowsItsTextsWithTheBuildsVersion)
{
    EXPECT_EQ(about->windowTitle(), "About Tavrel Maker");
    EXPECT_EQ(about->lblTitle->text(), "Tavrel Maker");
    EXPECT_EQ(about->lblVersion->text(), "Version 1.0.0");
    EXPECT_EQ(about->lblDescription->text(),
              QString("\r\n  ") + tavrel::build::kCreditLine1 + "\r\n  " + tavrel::build::kCreditLine2);
    EXPECT_EQ(about->Label1->text(), QString("Written by: ") + tavrel::build::kAuthorName +
                                         "\r\n\r\nPlease send comments and suggestions \r\nto ");
    EXPECT_EQ(about->txtLink->text(), tavrel::build::kAuthorEmail);
    EXPECT_EQ(about->parentWidget(), &owner);
    EXPECT_TRUE(about->cmdOK->hasFocus());
}

TEST_F(AboutBox, LaidOutAndStyledAsStored)
{
    EXPECT_EQ(about->size(), QSize(352, 253));
    EXPECT_EQ(about->picIcon->geometry(), QRect(16, 16, 85, 87));
    EXPECT_EQ(about->picIcon->pixmap().size(), QSize(85, 87));
    EXPECT_EQ(about->txtLink->geometry(), QRect(30, 228, 113, 19));
    EXPECT_EQ(about->cmdOK->geometry(), QRect(248, 200, 84, 39));
    EXPECT_TRUE(about->lblTitle->font().bold());
    // 24 points, or as much less as it takes to keep the title on its line in this font.
    EXPECT_LE(about->lblTitle->font().pointSizeF(), 24);
    EXPECT_GE(about->lblTitle->font().pointSizeF(), 20);
    EXPECT_EQ(about->txtLink->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_TRUE(about->txtLink->font().underline());
    EXPECT_EQ(about->txtLink->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST_F(AboutBox, EnterEscAndOkEachCloseIt)
{
    for (const auto close : {+[](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); },
                             +[](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); },
                             +[](frmAbout* a) { QTest::mouseClick(a->cmdOK, Qt::LeftButton); }}) {
        close(about);
        EXPECT_TRUE(closed());
        SetUp();
    }
}

// A click, Enter or Space on the focused link, or a screen reader's Press on it; Enter opens
// the mail rather than pressing OK. Screen readers meet it as a link named for what it does.
TEST_F(AboutBox, LinkHandsAMailtoToTheDesktopAndMovesTheFocus)
{
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about->txtLink);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "Send mail to the author");
    EXPECT_EQ(link->text(QAccessible::Description), tavrel::build::kAuthorEmail);
    const struct {
        const char* how;
        void (*open)(QLineEdit* link);
    } ways[] = {
        {"click", [](QLineEdit* link) { QTest::mouseClick(link, Qt::LeftButton, {}, {5, 5}); }},
        {"Enter", [](QLineEdit* link) { QTest::keyClick(link, Qt::Key_Return); }},
        {"Space", [](QLineEdit* link) { QTest::keyClick(link, Qt::Key_Space); }},
        {"Press", [](QLineEdit* link) {
             QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
                 QAccessibleActionInterface::pressAction());
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        about->txtLink->setFocus();
        MailCatcher mail;
        QDesktopServices::setUrlHandler("mailto", &mail, "open");
        way.open(about->txtLink);
        QDesktopServices::unsetUrlHandler("mailto");

        ASSERT_FALSE(closed());
        ASSERT_EQ(mail.opened.size(), 1);
        EXPECT_EQ(mail.opened[0].toString(), QString("mailto:") + tavrel::build::kAuthorEmail);
        EXPECT_TRUE(about->picIcon->hasFocus());
    }
}

// The picture fills its box whole at any resolution, drawn in the pixels of the screen it shows
// on: at 20 twips per pixel the box is 64 x 65 pixels, and on a screen that scales by 2 the
// picture has four pixels for each of the box's, not all alike.
TEST(AboutBoxPicture, WholeAndSharpAtEveryResolution)
{
    QScreen* retina = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == 2) retina = screen;
    ASSERT_NE(retina, nullptr);
    const struct {
        float twipsPerPixel;
        QScreen* screen;
        QSize box;
        qreal ratio;
    } cases[] = {{15, QGuiApplication::primaryScreen(), {85, 87}, 1},
                 {20, QGuiApplication::primaryScreen(), {64, 65}, 1},
                 {15, retina, {85, 87}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.twipsPerPixel << " twips per pixel, ratio " << c.ratio);
        tavrel::platform::setTwipsPerPixelOverride(c.twipsPerPixel);
        QWidget owner;
        frmAbout about(&owner);
        about.move(c.screen->geometry().topLeft());
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        const QPixmap picture = about.picIcon->pixmap();
        EXPECT_EQ(about.picIcon->size(), c.box);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), c.box);
        EXPECT_EQ(picture.devicePixelRatio(), c.ratio);
        const QImage pixels = picture.toImage();
        bool finerThanDoubled = false;
        for (int y = 0; y + 1 < pixels.height(); y += 2)
            for (int x = 0; x + 1 < pixels.width(); x += 2)
                finerThanDoubled |= pixels.pixel(x, y) != pixels.pixel(x + 1, y + 1);
        if (c.ratio == 2) {
            EXPECT_TRUE(finerThanDoubled);
        }
    }
    tavrel::platform::setTwipsPerPixelOverride(std::nullopt);
}

// Over the link, edges included, the link holds the mouse; anywhere off it lets go.
TEST_F(AboutBox, LinkHoldsTheMouseOnlyWhileThePointerIsOverIt)
{
    const int w = about->txtLink->width();
    const int h = about->txtLink->height();
    struct Move {
        QPoint at;
        bool held;
    };
    const Move moves[] = {
        {{0, 0}, true},      {{-1, 5}, false},    {{w, h}, true},     {{w + 1, 5}, false},
        {{5, 5}, true},      {{5, -1}, false},    {{w, 0}, true},     {{5, h + 1}, false},
        {{0, h}, true},      {{w / 2, h / 2}, true}, {{-40, -40}, false},
    };
    for (const Move& m : moves) {
        moveOverLink(m.at);
        EXPECT_EQ(QWidget::mouseGrabber() == about->txtLink, m.held) << m.at.x() << "," << m.at.y();
    }
}

}  // namespace

#include "about_box_test.moc"
