// Calibrating the offscreen projector with the bar (keys, drag, typed lengths, refusals) and the
// way from the projector window to the pattern on the projector: an uncalibrated screen is
// calibrated first, and the check ruler then shows at the calibrated length. Settings live in a
// temporary folder.
#include "platform/user_settings.h"
#include "projector/calibration_view.h"
#include "projector/projector.h"
#include "projector/projector_dialog.h"
#include "projector/projector_preferences.h"
#include "projector/projector_view.h"
#include "projector/screen_calibration.h"
#include "projector_checks.h"
#include "unwritable_settings.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace tavrel;

const QString kProjectorKey = "HDMI/Projector 800x600";

template <typename Window>
Window* shownWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<Window*>(widget);
    return nullptr;
}

class Projector : public test::ProjectorSettingsTest {
protected:
    // Types the bar's length and presses Enter.
    static void typeLength(projector::CalibrationView& view, const char* text)
    {
        auto* box = view.findChild<QLineEdit*>("txtBarLength");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(Projector, BarFollowsKeysAndDrag)
{
    projector::CalibrationView view(kProjectorKey, measure::UnitSystem::Inch);
    view.setGeometry(test::projectorScreen()->geometry());
    view.show();
    EXPECT_EQ(view.barPixels(), 640);  // four fifths of the screen
    auto* box = view.findChild<QLineEdit*>("txtBarLength");
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Left);
    EXPECT_EQ(view.barPixels(), 650);
    QTest::mousePress(&view, Qt::LeftButton, {}, {view.width() / 20 + 499, 100});
    EXPECT_EQ(view.barPixels(), 500);
    QTest::mouseRelease(&view, Qt::LeftButton);
}

TEST_F(Projector, TypedLengthCalibratesOrIsRefused)
{
    using enum measure::UnitSystem;
    const struct {
        const char* text;
        measure::UnitSystem units;
        std::optional<double> pixelsPerInch;
        const char* refusal = "";
    } cases[] = {// The bar of 640 pixels has its end marks 639 pixels apart.
                 {"6.39", Inch, 100},          {"6 39/100", Inch, 100},
                 {"162.306", Metric, 100},     {"0.1", Inch, std::nullopt},
                 {"abc", Inch, std::nullopt},  {"6 2/5", Metric, std::nullopt},
                 {"31.95", Inch, 20},
                 {"32", Inch, std::nullopt, "measure 32: screens show between 20 and 600 pixels"},
                 {"1", Inch, std::nullopt},    {"25.4", Metric, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        projector::forgetPixelsPerInch(kProjectorKey);
        auto* view = new projector::CalibrationView(kProjectorKey, c.units);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->setGeometry(test::projectorScreen()->geometry());
        view->show();
        QPointer<projector::CalibrationView> alive(view);
        typeLength(*view, c.text);
        ASSERT_NEAR(projector::storedPixelsPerInch(kProjectorKey).value_or(0),
                    c.pixelsPerInch.value_or(0), 1e-9);
        EXPECT_EQ(view->isVisible(), !c.pixelsPerInch) << "closes once calibrated";
        const auto* refused = view->findChild<QMessageBox*>("calibrationRefused");
        EXPECT_EQ(refused != nullptr, !c.pixelsPerInch);
        if (refused) {
            EXPECT_TRUE(refused->text().contains(c.refusal)) << refused->text().toStdString();
        }
        view->close();
    }
}

// Each screen by the pixels it really has: a screen that scales by 2 has twice as many each way.
TEST_F(Projector, NamesEachScreenByItsPixels)
{
    projector::ProjectorDialog dialog({}, 15, measure::UnitSystem::Inch);
    QStringList names;
    for (int i = 0; i < dialog.cboScreen->count(); ++i) names << dialog.cboScreen->itemText(i);
    names.sort();
    EXPECT_EQ(names.join(", ").toStdString(),
              "HDMI/Projector (800 x 600), Laptop (1024 x 768), Retina (2880 x 1800)");
}

// Show Pattern again, or a calibration, replaces the view on the screen: one at a time.
TEST_F(Projector, ShowsOneViewAtATime)
{
    projector::storePixelsPerInch(kProjectorKey, 100);
    projector::ProjectorDialog dialog({}, 15, measure::UnitSystem::Inch);
    dialog.show();
    dialog.cboScreen->setCurrentIndex(dialog.cboScreen->findData("HDMI/Projector"));
    const auto shownViews = [] {
        int views = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            views += widget->isVisible() && (qobject_cast<projector::ProjectorView*>(widget) ||
                                             qobject_cast<projector::CalibrationView*>(widget));
        return views;
    };
    dialog.showPattern();
    dialog.showPattern();
    EXPECT_EQ(shownViews(), 1);
    dialog.calibrate();
    EXPECT_EQ(shownViews(), 1);
    EXPECT_TRUE(shownWindow<projector::CalibrationView>("CalibrationView"));
}

TEST_F(Projector, OffersTheScreenBesideTheMainWindow)
{
    QWidget mainWindow;
    mainWindow.setScreen(test::projectorScreen());
    mainWindow.setGeometry(test::projectorScreen()->geometry().adjusted(10, 10, -10, -10));
    mainWindow.show();
    ASSERT_EQ(mainWindow.screen(), test::projectorScreen());
    projector::ProjectorDialog dialog({}, 15, measure::UnitSystem::Inch, &mainWindow);
    EXPECT_EQ(dialog.cboScreen->currentData().toString(), "Laptop");
}

// From the projector window to the pattern: the screen beside the main window is offered, it is
// calibrated first, the choices are kept, and the ruler shows at the calibrated length there.
TEST_F(Projector, ShowsThePatternOnTheChosenScreenAtItsCalibration)
{
    QScreen* laptop = test::projectorScreen() == QGuiApplication::screens()[0]
                          ? QGuiApplication::screens()[1]
                          : QGuiApplication::screens()[0];
    picture::PersistentImage pattern;
    pattern.size = {200, 100};
    QWidget mainWindow;
    mainWindow.setScreen(laptop);
    mainWindow.show();
    projector::openProjector(&mainWindow, pattern, 15, measure::UnitSystem::Inch);
    auto* dialog = shownWindow<projector::ProjectorDialog>("ProjectorDialog");
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->cboScreen->currentData().toString(), "HDMI/Projector");
    dialog->cboOverlay->setCurrentIndex(static_cast<int>(projector::Overlay::Ruler));
    dialog->cboLineWidth->setCurrentIndex(1);
    EXPECT_EQ(dialog->lblCalibration->text(), "Not calibrated yet");
    EXPECT_FALSE(dialog->cmdResetCalibration->isEnabled());

    dialog->showPattern();
    auto* calibration = shownWindow<projector::CalibrationView>("CalibrationView");
    ASSERT_TRUE(calibration);
    EXPECT_EQ(calibration->screen(), test::projectorScreen());
    typeLength(*calibration, "6.39");  // the bar of 640 pixels, its end marks 639 apart
    EXPECT_EQ(dialog->lblCalibration->text(), "100.0 pixels per inch");
    EXPECT_TRUE(dialog->cmdResetCalibration->isEnabled());

    auto* view = shownWindow<projector::ProjectorView>("ProjectorView");
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_EQ(view->geometry(), test::projectorScreen()->geometry());
    const auto ticks = test::inkRuns(view->grab().toImage(), 50, Qt::white);
    ASSERT_EQ(ticks.size(), 8u);  // seven inches fit
    EXPECT_EQ(ticks.back().centre() - ticks.front().centre(), 700);
    EXPECT_EQ(ticks.front().width, 3);
    EXPECT_EQ(projector::loadProjectorPreferences().screenName, "HDMI/Projector");

    view->close();
    dialog->resetCalibration();
    EXPECT_EQ(dialog->lblCalibration->text(), "Not calibrated yet");
    EXPECT_FALSE(dialog->cmdResetCalibration->isEnabled());
    EXPECT_EQ(projector::storedPixelsPerInch(kProjectorKey), std::nullopt);
}

// A damaged calibration counts as none, and the projector window says so once in a run.
TEST_F(Projector, ADamagedCalibrationIsSaidOnceWhenTheProjectorOpens)
{
    platform::userSettings().setValue("ScreenCalibration/HDMI%2FProjector%20800x600", "nan");
    projector::ProjectorDialog first({}, 15, measure::UnitSystem::Inch);
    projector::ProjectorDialog second({}, 15, measure::UnitSystem::Inch);
    ASSERT_EQ(first.cboScreen->currentData().toString(), "HDMI/Projector");
    EXPECT_EQ(first.lblCalibration->text(), "Not calibrated yet");
    EXPECT_TRUE(first.cmdResetCalibration->isEnabled()) << "a damaged calibration is forgotten too";
    auto* message = first.findChild<QMessageBox*>("damagedCalibrationMessage");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().startsWith("The calibration kept for HDMI/Projector (800 x 600) "
                                           "is damaged"))
        << message->text().toStdString();
    EXPECT_EQ(second.findChild<QMessageBox*>("damagedCalibrationMessage"), nullptr);
}

// A calibration, a reset and the projector's choices that cannot be written hold for the run;
// the projector window says so, each time for a calibration or a reset, once for the choices.
TEST_F(Projector, UnwrittenCalibrationHoldsForTheRunAndIsSaid)
{
    if (test::kSettingsStayWritable) GTEST_SKIP() << test::kSettingsStayWritable;
    const test::UnwritableSettings unwritable;
    projector::ProjectorDialog dialog({}, 15, measure::UnitSystem::Inch);
    dialog.cboScreen->setCurrentIndex(dialog.cboScreen->findData("HDMI/Projector"));
    dialog.calibrate();
    auto* calibration = shownWindow<projector::CalibrationView>("CalibrationView");
    ASSERT_TRUE(calibration);
    typeLength(*calibration, "6.39");
    EXPECT_EQ(dialog.lblCalibration->text(), "100.0 pixels per inch");
    dialog.showPattern();
    dialog.showPattern();
    EXPECT_EQ(projector::loadProjectorPreferences().screenName, "HDMI/Projector");
    dialog.resetCalibration();
    EXPECT_EQ(dialog.lblCalibration->text(), "Not calibrated yet");

    const auto messages = dialog.findChildren<QMessageBox*>("settingsMessage");
    EXPECT_EQ(messages.size(), 3) << "the calibration, the choices once, the reset";
    for (const QMessageBox* message : messages)
        EXPECT_TRUE(message->text().contains(unwritable.fileName()));
}

}  // namespace
