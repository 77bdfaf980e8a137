#include "app/frm_main.h"
#include "locales.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"
#include "platform/screen_metrics.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

using tavrel::app::frmMain;
namespace picture = tavrel::picture;
namespace platform = tavrel::platform;

namespace {

class DrawPatternTest : public testing::Test {
protected:
    void TearDown() override { platform::setTwipsPerPixelOverride(std::nullopt); }

    void enter(frmMain& window, int unit, const QString& text)
    {
        window.optMeasureType[unit]->click();
        window.txtMeasure->setText(text);
    }

    // The picture as the screen shows it, rendered from the widget itself.
    static QImage onScreen(frmMain& window) { return window.picPattern->grab().toImage(); }
};

struct Entry {
    int unit;
    const char* text;
    float twipsPerPixel;
    float M;
    QSize picture;
    int windowWidth, windowHeight;
    const char* unitWord;
    float twipsPerPixelDown = 0;  // where pixels are not square
};

class DrawPatternEntries : public DrawPatternTest, public testing::WithParamInterface<Entry> {};

TEST_P(DrawPatternEntries, SizeThePictureLabelAndWindow)
{
    const Entry& e = GetParam();
    const float down = e.twipsPerPixelDown ? e.twipsPerPixelDown : e.twipsPerPixel;
    platform::setTwipsPerPixelOverride(e.twipsPerPixel, down);
    frmMain window;
    window.show();
    // Width and Height are the window's outer size in twips, each pixel as high as the screen's.
    EXPECT_EQ(window.Height(), std::lround(window.height() * down)) << "before drawing";
    enter(window, e.unit, e.text);

    EXPECT_FLOAT_EQ(window.BaseLength(), e.M);
    EXPECT_EQ(window.picPattern->geometry(), QRect(QPoint(50, 104), e.picture));
    const QRect label = window.lblScale->geometry();
    EXPECT_EQ(label.left(), 0);
    EXPECT_EQ(label.top(), std::lround(3.8 * e.M));
    EXPECT_EQ(label.width(), e.picture.width());
    EXPECT_EQ(window.Width(), e.windowWidth);
    EXPECT_EQ(window.Height(), e.windowHeight);
    EXPECT_EQ(window.frameGeometry().height(),
              std::min(int(std::lround(e.windowHeight / down)),
                       window.screen()->availableGeometry().height()));
    EXPECT_EQ(window.lblScale->text(),
              QString("When printed, each division above should measure one ") + e.unitWord);
}

INSTANTIATE_TEST_SUITE_P(
    EachUnit, DrawPatternEntries,
    testing::Values(Entry{0, "1", 15, 72, {217, 302}, 6615, 7590, "inch"},
                    Entry{1, "2 1/2", 15, 180, {541, 756}, 9615, 14400, "inch"},
                    Entry{2, "25.4", 15, 72, {217, 302}, 6615, 7590, "centimeter"},
                    Entry{0, "1", 12, 90, {271, 378}, 6615, 6984, "inch"},
                    Entry{0, "1", 15, 72, {217, 302}, 6615, 6072, "inch", 12}));

TEST_F(DrawPatternTest, WindowShowsExactlyThePictureOfTheCurrentText)
{
    frmMain window;
    window.show();
    enter(window, 1, "3 1/2");
    enter(window, 1, "1/2");  // a smaller M must leave nothing of the larger drawing behind

    const auto drawing =
        tavrel::pattern::prepareDrawing("1/2", *tavrel::measure::unitAt(1), {15, 15});
    ASSERT_TRUE(drawing.plan);
    const auto expected = tavrel::picture::patternImage(*drawing.plan);
    EXPECT_EQ(window.picPattern->Image().shapes.size(), expected.shapes.size());

    QImage reference(expected.size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&reference);
    picture::replay(expected, painter, QRectF(QPointF(0, 0), expected.size),
                     picture::LineWidth::OneDevicePixel);
    painter.end();
    // Above the scale label, which lies over the picture, screen and picture must agree.
    const QRect figureArea(0, 0, expected.size.width(), drawing.plan->labelTop);
    EXPECT_EQ(onScreen(window).copy(figureArea).convertToFormat(QImage::Format_RGB32),
              reference.copy(figureArea).convertToFormat(QImage::Format_RGB32));
}

TEST_F(DrawPatternTest, NothingToDrawLeavesThePictureButStoresZero)
{
    frmMain window;
    window.show();
    enter(window, 0, "2");
    const QImage before = onScreen(window);
    const QRect pictureBefore = window.picPattern->geometry();
    const int heightBefore = window.Height();
    window.txtMeasure->setText(".");

    EXPECT_EQ(window.BaseLength(), 0.0f);
    EXPECT_EQ(window.picPattern->geometry(), pictureBefore);
    EXPECT_EQ(window.Height(), heightBefore);
    EXPECT_EQ(onScreen(window), before);
    EXPECT_TRUE(window.lblScale->text().endsWith("inch"));
}

TEST_F(DrawPatternTest, TooLargeChangesNothingAndNamesTheLargestMeasurement)
{
    frmMain window;
    window.show();
    enter(window, 2, "100");
    const float baseLength = window.BaseLength();
    const QImage before = onScreen(window);
    window.txtMeasure->setText("2312");

    EXPECT_EQ(window.BaseLength(), baseLength);
    EXPECT_EQ(onScreen(window), before);
    ASSERT_TRUE(window.lblTooLarge->isVisible());
    EXPECT_TRUE(window.lblTooLarge->text().contains("2311 millimeters"));

    window.txtMeasure->setText("2311");
    EXPECT_FALSE(window.lblTooLarge->isVisible());
    EXPECT_EQ(window.picPattern->size(), QSize(19654, 27514));
}

// Where decimals are written with a comma, and Qt has set the C library's numbers so, the notice
// still names the largest measurement, as it is typed into the box.
TEST_F(DrawPatternTest, TooLargeNamesTheLargestMeasurementInEveryLocale)
{
    struct Case {
        int unit;
        const char* text;
        const char* notice;
    };
    for (const char* locale : tavrel::test::kCommaLocales) {
        const tavrel::test::NumericLocale numbers(locale);
        ASSERT_TRUE(numbers.writesDecimalCommas());
        frmMain window;
        window.show();
        for (const Case& c :
             {Case{0, "99", "Too large to draw. The largest measurement is 91.02 inches."},
              Case{1, "99", "Too large to draw. The largest measurement is 91 inches."},
              Case{2, "9999", "Too large to draw. The largest measurement is 2311 millimeters."}}) {
            enter(window, c.unit, c.text);
            EXPECT_EQ(window.lblTooLarge->text(), c.notice) << locale;
        }
    }
    // Nor in another language's digits or decimal mark, such as Arabic's, which the box refuses.
    QLocale::setDefault(QLocale("ar_EG"));
    frmMain window;
    window.show();
    enter(window, 0, "99");
    EXPECT_EQ(window.lblTooLarge->text(), "Too large to draw. The largest measurement is 91.02 inches.");
    QLocale::setDefault(QLocale::c());
}

}  // namespace
