// The windows as Qt's accessibility interfaces hand them to screen readers and switch control,
// read on the offscreen platform: a unit chosen by its Toggle action acts as a click, the box is
// named by its prompt, the picture says what it shows and how large it prints at any
// resolution, and the too-large notice is an alert (the About box's link: about_box_test).
// screen_reader_test reads them over AT-SPI.
#include "app/frm_main.h"
#include "platform/screen_metrics.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tavrel::app::frmMain;

QAccessibleInterface* interfaceOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

void toggle(QRadioButton* option)
{
    QAccessibleActionInterface* actions = interfaceOf(option)->actionInterface();
    ASSERT_TRUE(actions);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
}

TEST(Accessibility, ToggleChoosesAUnitAsAClickDoes)
{
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const int unit : {2, 1, 1}) {
        SCOPED_TRACE(unit);
        window.txtMeasure->setText("3");
        toggle(window.optMeasureType[unit]);
        EXPECT_TRUE(window.optMeasureType[unit]->isChecked());
        EXPECT_TRUE(window.txtMeasure->isVisible());
        EXPECT_TRUE(window.txtMeasure->hasFocus());
        EXPECT_EQ(window.txtMeasure->text(), "")
            << "a click empties the box, also on the checked unit";
        EXPECT_EQ(interfaceOf(window.txtMeasure)->text(QAccessible::Name), window.lblInfo->text());
    }
}

TEST(Accessibility, PictureSaysWhatItShowsAndItsSizeOnPaper)
{
    const struct {
        int unit;
        const char* typed;
        float twipsPerPixel;
        const char* description;
        const char* numbers = "en";  // the locale of the numbers in texts
        float twipsPerPixelDown = 0;  // where pixels are not square
    } cases[] = {
        {1, "2 1/2", 15, "Pattern for 2 1/2 inches, 5.6 by 7.9 inches when printed"},
        {1, "2 1/2", 12, "Pattern for 2 1/2 inches, 5.6 by 7.9 inches when printed"},
        {1, "2 1/2", 15, "Pattern for 2 1/2 inches, 5.6 by 6.3 inches when printed", "en", 12},
        {0, "10", 15, "Pattern for 10 inches, 22.5 by 31.5 inches when printed"},
        {2, "63.5", 15, "Pattern for 63.5 millimeters, 143 by 200 millimeters when printed"},
        // The size drawn, not the text, where the two differ.
        {1, "2.5", 15, "Pattern for 2 inches, 4.5 by 6.3 inches when printed"},
        {1, "3 1/0", 15, "Pattern for 3 inches, 6.8 by 9.4 inches when printed"},
        // Every number of the sentence in one notation, none grouped.
        {2, "1000.5", 15,
         "Pattern for 1000,5 millimeters, 2251 by 3151 millimeters when printed", "de"},
        {1, "2 1.5/2", 15, "Pattern for 2 1,5/2 inches, 6,2 by 8,7 inches when printed", "pl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        QLocale::setDefault(QLocale(c.numbers));
        tavrel::platform::setTwipsPerPixelOverride(
            c.twipsPerPixel, c.twipsPerPixelDown ? c.twipsPerPixelDown : c.twipsPerPixel);
        frmMain window;
        window.optMeasureType[c.unit]->click();
        window.txtMeasure->setText(c.typed);
        QAccessibleInterface* picture = interfaceOf(window.picPattern);
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), "Pattern");
        EXPECT_EQ(picture->text(QAccessible::Description).toStdString(), c.description);
    }
    QLocale::setDefault(QLocale::c());
    tavrel::platform::setTwipsPerPixelOverride(std::nullopt);
}

// Screen readers say an alert as it shows: the notice is one, and reads as its text.
TEST(Accessibility, TooLargeNoticeIsAnAlert)
{
    frmMain window;
    window.show();
    window.optMeasureType[1]->click();
    window.txtMeasure->setText("99999999999");
    ASSERT_TRUE(window.lblTooLarge->isVisible());
    QAccessibleInterface* notice = interfaceOf(window.lblTooLarge);
    EXPECT_EQ(notice->role(), QAccessible::AlertMessage);
    EXPECT_EQ(notice->text(QAccessible::Name), window.lblTooLarge->text());
}

}  // namespace
