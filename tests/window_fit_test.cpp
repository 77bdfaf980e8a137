// The main window in the fonts, languages and screen resolutions people use: every text shows
// whole inside its control (the scale sentence too, in a small pattern), no control covers
// another, the window is large enough for them all, and the picture lies below them.

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "languages.h"
#include "platform/screen_metrics.h"
#include "platform/translations.h"
#include "whole_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

using tavrel::app::frmMain;
namespace platform = tavrel::platform;

namespace {

// What a control puts on the screen, in client pixels: a unit its check mark and caption, any
// other control its whole rectangle.
QRect shownRect(const QWidget& control)
{
    const auto* unit = qobject_cast<const QRadioButton*>(&control);
    if (!unit) return control.geometry();
    QStyleOptionButton option;
    option.initFrom(unit);
    const QRect mark =
        unit->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, unit);
    const QRect caption = unit->fontMetrics().boundingRect(
        captionRect(*unit), Qt::AlignLeft | Qt::AlignVCenter, unit->text());
    return (mark | caption).translated(unit->pos());
}

// Every control shown: its text whole in the user's font, clear of the others and in view
// without scrolling; the picture, once drawn, below them all. The screen has room for the window.
void expectFits(frmMain& window, bool drawn)
{
    for (QRadioButton* unit : window.optMeasureType) expectWhole(*unit);
    expectWhole(*window.cmdPrint);
    QList<QWidget*> shown = {window.optMeasureType[0], window.optMeasureType[1],
                             window.optMeasureType[2], window.cmdPrint};
    if (window.txtMeasure->isVisible()) {
        expectWhole(*window.lblInfo);
        EXPECT_EQ(window.lblInfo->font().pointSizeF(), QApplication::font().pointSizeF());
        EXPECT_GE(window.txtMeasure->height(), window.txtMeasure->minimumSizeHint().height());
        shown << window.lblInfo << window.txtMeasure;
    }
    if (drawn) {
        // The scale sentence whole, on the picture's white, however small the pattern; the
        // room it takes below the drawing is not part of the printed image.
        expectWhole(*window.lblScale);
        const QLabel& sentence = *window.lblScale;
        EXPECT_LE(sentence.y() + sentence.heightForWidth(sentence.width()),
                  window.picPattern->height());
        EXPECT_LE(window.picPattern->Image().size.height(), 4.2 * window.BaseLength() + 1);
    }
    const auto* view = window.findChild<QScrollArea*>("clientView");
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(view->verticalScrollBar()->isVisible());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const std::string name = shown[i]->objectName().toStdString();
        EXPECT_TRUE(view->viewport()->rect().contains(shown[i]->geometry())) << name;
        if (drawn) {
            EXPECT_GT(window.picPattern->y(), shown[i]->geometry().bottom()) << name;
        }
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shownRect(*shown[i]).intersects(shownRect(*shown[j])))
                << name << " and " << shown[j]->objectName().toStdString();
    }
}

// The About box in the window's font, language and resolution: every text whole on its lines, the
// address after the words of the sentence's last line and clear of the lines above, no control
// over another, all inside the box.
void expectAboutFits(QWidget& owner)
{
    tavrel::app::frmAbout about(&owner);
    about.Form_Load();
    about.show();
    const QLabel& title = *about.lblTitle;
    EXPECT_LE(title.fontMetrics().horizontalAdvance(title.text()), title.contentsRect().width());
    EXPECT_LE(title.fontMetrics().height(), title.height());
    for (const QLabel* label : {about.lblVersion, about.lblDescription, about.Label1}) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        EXPECT_LE(label->sizeHint().height(), label->height()) << label->text().toStdString();
    }
    expectWhole(*about.cmdOK);

    const QLabel& sentence = *about.Label1;
    const QFontMetrics metrics = sentence.fontMetrics();
    const int lastLineTop = sentence.y() + sentence.contentsRect().top() +
                            metrics.lineSpacing() * int(sentence.text().count("\r\n"));
    const QLineEdit& link = *about.txtLink;
    const int linkTextTop = link.y() + (link.height() - link.fontMetrics().height()) / 2;
    EXPECT_GE(linkTextTop, lastLineTop - metrics.descent()) << "over the line above";
    EXPECT_LT(linkTextTop, lastLineTop + metrics.height()) << "below the last line";
    EXPECT_GE(link.x(),
              sentence.x() + metrics.horizontalAdvance(sentence.text().section("\r\n", -1)));

    const QList<const QWidget*> controls = {about.picIcon,        about.lblTitle, about.lblVersion,
                                            about.lblDescription, about.Label1,   about.cmdOK};
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const std::string name = controls[i]->objectName().toStdString();
        // What the control shows: a label its lines, which may end above its bottom.
        const auto* label = qobject_cast<const QLabel*>(controls[i]);
        const QRect shown(controls[i]->pos(),
                          label ? label->sizeHint().boundedTo(label->size()) : controls[i]->size());
        EXPECT_TRUE(about.rect().contains(shown)) << name;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << name << " and " << controls[j]->objectName().toStdString();
    }
    EXPECT_TRUE(about.rect().contains(link.geometry()));
}

// Screens of 144 and 192 dots per inch with Qt's scaling off, met as the window meets them:
// twips per pixel follow the resolution, and a font of so many points is as many pixels high.
TEST(WindowFit, EveryTextShowsWholeAndClearInEveryFontLanguageAndResolution)
{
    const QFont userFont = QApplication::font();
    for (const char* language : tavrel::test::withEnglish("en")) {
        tavrel::platform::installTranslations(QString(language), TAVREL_QM_FOLDER);
        for (const int dpi : {96, 144, 192}) {
            platform::setTwipsPerPixelOverride(1440.0f / dpi);
            for (int points = 8; points <= 14; ++points) {
                QFont font = userFont;
                font.setPointSizeF(points * dpi / 96.0);
                QApplication::setFont(font);
                SCOPED_TRACE(testing::Message()
                             << language << ", " << dpi << " dpi, " << points << " pt");
                frmMain window;
                window.show();
                expectFits(window, false);
                window.optMeasureType[2]->click();
                expectFits(window, false);
                window.optMeasureType[0]->click();
                QTest::keyClicks(window.txtMeasure, "1");
                expectFits(window, true);
                window.optMeasureType[2]->click();
                QTest::keyClicks(window.txtMeasure, "20");
                expectFits(window, true);
                expectAboutFits(window);
            }
        }
    }
    // A font far larger than the box was laid out for: its labels grow past the room between them.
    QFont large = userFont;
    large.setPointSize(24);
    QApplication::setFont(large);
    platform::setTwipsPerPixelOverride(15);
    QWidget owner;
    expectAboutFits(owner);
    platform::setTwipsPerPixelOverride(std::nullopt);
    QApplication::setFont(userFont);
    tavrel::platform::installTranslations(QString("en"));
}

// A platform theme whose unit marks are taller than the room between the stored units, as GTK's
// are at 192 dots per inch: the units below move down, clear of each other.
class TallUnitMarks : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_ExclusiveIndicatorHeight || metric == PM_ExclusiveIndicatorWidth)
            return 30;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

TEST(WindowFit, UnitsTheThemeMakesTallerMoveTheOnesBelowThem)
{
    const QString styleName = QApplication::style()->name();
    QApplication::setStyle(new TallUnitMarks(QStyleFactory::create(styleName)));
    {
        frmMain window;
        window.show();
        expectFits(window, false);
        window.optMeasureType[1]->click();
        expectFits(window, false);
        // Each unit's whole height, as the theme makes it, before the next one.
        for (int i = 0; i < 2; ++i)
            EXPECT_GE(window.optMeasureType[i + 1]->y(),
                      window.optMeasureType[i]->geometry().bottom() + 1);
    }
    QApplication::setStyle(QStyleFactory::create(styleName));
}

}  // namespace
