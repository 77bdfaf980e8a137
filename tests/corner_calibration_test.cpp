// Calibrating the offscreen projector of 800 x 600 pixels by a rectangle's corners, as a user
// does it (drags, arrow keys, a typed size), against a simulated projector that leans; what is
// kept and refused; and the pattern shown through the calibration, moved and paged by keys.
#include "platform/user_settings.h"
#include "projector/corner_calibration_view.h"
#include "projector/corner_store.h"
#include "projector/mapped_projector_view.h"
#include "projector/projector.h"
#include "projector/projector_dialog.h"
#include "projector/screen_calibration.h"
#include "projector_checks.h"
#include "simulated_projector.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace tavrel;
using projection::CornerFault;
using projection::Point;

const QString kProjectorKey = "HDMI/Projector 800x600";
// The 24 x 18 inch mat at 25 pixels per inch on the 800 x 600 projector: each handle moves
// left or right, and the keys move the bottom ones up.
const test::SimulatedProjector kLeaning(0, 25, {110, 40}, {400, 300});
const Point kMatCorners[] = {{0, 0}, {24, 0}, {24, 18}, {0, 18}};

// A rectangle of `width` by `height` inches from the mat's corner, calibrated where the
// projector shows it.
std::optional<projection::TableMapping> matOnTheProjector(double width, double height)
{
    return projection::TableMapping::fromCorners(
        {width,
         height,
         {kLeaning.handle({0, 0}), kLeaning.handle({width, 0}), kLeaning.handle({width, height}),
          kLeaning.handle({0, height})}});
}

class Corners : public test::ProjectorSettingsTest {
protected:
    // A calibration view full screen on the projector, deleted when it closes.
    static projector::CornerCalibrationView* shownView(int meshSize = 0)
    {
        auto* view = new projector::CornerCalibrationView(kProjectorKey, measure::UnitSystem::Inch,
                                                          meshSize);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->setGeometry(test::projectorScreen()->geometry());
        view->show();
        return view;
    }

    // Puts every handle where the simulated projector shows its corner: the first two dragged
    // with the mouse, the others moved with Tab and the arrow keys, coarse then fine.
    static void placeHandles(projector::CornerCalibrationView& view)
    {
        auto* box = view.findChild<QLineEdit*>("txtRectangleSize");
        for (int i = 0; i < 4; ++i) {
            const Point target = kLeaning.handle(kMatCorners[i]);
            const Point from = view.handles()[i];
            if (i < 2) {
                QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(from.x + 3, from.y - 2));
                QTest::mouseMove(&view, QPoint(target.x, target.y));
                QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(target.x, target.y));
            } else {
                while (view.selectedHandle() != i) QTest::keyClick(box, Qt::Key_Tab);
                const auto move = [&](double distance, Qt::Key less, Qt::Key more) {
                    const int pixels = static_cast<int>(distance);
                    for (int k = 0; k < std::abs(pixels) / 10; ++k)
                        QTest::keyClick(box, pixels < 0 ? less : more, Qt::ShiftModifier);
                    for (int k = 0; k < std::abs(pixels) % 10; ++k)
                        QTest::keyClick(box, pixels < 0 ? less : more);
                };
                move(target.x - from.x, Qt::Key_Left, Qt::Key_Right);
                move(target.y - from.y, Qt::Key_Up, Qt::Key_Down);
            }
            ASSERT_EQ(view.handles()[i].x, target.x) << i;
            ASSERT_EQ(view.handles()[i].y, target.y) << i;
        }
    }

    static void typeSize(projector::CornerCalibrationView& view, const char* size)
    {
        auto* box = view.findChild<QLineEdit*>("txtRectangleSize");
        box->setText(size);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(Corners, HandlesPlacedByMouseAndKeysCalibrateTheScreen)
{
    for (const int mesh : {0, 3}) {
        SCOPED_TRACE(mesh);
        projector::forgetCorners(kProjectorKey);
        QPointer<projector::CornerCalibrationView> view = shownView(mesh);
        placeHandles(*view);
        // A drag that starts away from every handle moves none.
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(400, 590));
        QTest::mouseMove(view, QPoint(420, 580));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(420, 580));
        EXPECT_EQ(view->handles()[view->selectedHandle()].x,
                  kLeaning.handle(kMatCorners[view->selectedHandle()]).x);
        typeSize(*view, "609.6 x 457.2 mm");
        if (mesh) {
            ASSERT_TRUE(view);
            EXPECT_EQ(view->handles().size(), 9u) << "the mesh's points follow";
            QTest::keyClick(view->findChild<QLineEdit*>("txtRectangleSize"), Qt::Key_Return);
        }
        EXPECT_TRUE(!view || !view->isVisible()) << "closes once calibrated";
        const projector::StoredCorners stored = projector::readCorners(kProjectorKey);
        ASSERT_TRUE(stored.mapping);
        EXPECT_EQ(stored.units, measure::UnitSystem::Metric);
        EXPECT_EQ(stored.mapping->meshSize(), mesh);
        EXPECT_NEAR(stored.mapping->widthInches(), 24, 1e-12);
        for (const Point& corner : kMatCorners) {
            const Point shown = stored.mapping->toScreen(corner);
            const Point handle = kLeaning.handle(corner);
            EXPECT_NEAR(shown.x, handle.x, 1e-6);
            EXPECT_NEAR(shown.y, handle.y, 1e-6);
        }
    }
}

TEST_F(Corners, RefusalsNameWhy)
{
    const struct {
        const char* size;
        int swapWith;  // the first handle swapped with this one; 0 for none
        CornerFault fault;
    } cases[] = {
        {"24", 0, CornerFault::NotANumber},
        {"3 x 18 in", 0, CornerFault::TooSmall},
        {"24 x 18 in", 1, CornerFault::Crossing},
        {"240 x 180 in", 0, CornerFault::OutOfScale},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        QPointer<projector::CornerCalibrationView> view = shownView();
        placeHandles(*view);
        if (c.swapWith) {
            QTest::mousePress(view, Qt::LeftButton, {},
                              QPoint(view->handles()[0].x, view->handles()[0].y));
            QTest::mouseMove(
                view, QPoint(view->handles()[c.swapWith].x + 40, view->handles()[c.swapWith].y));
            QTest::mouseRelease(view, Qt::LeftButton);
        }
        typeSize(*view, c.size);
        ASSERT_TRUE(view) << "stays open to try again";
        const auto* refused = view->findChild<QMessageBox*>("cornerCalibrationRefused");
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->text(), projector::cornerFaultText(c.fault));
        EXPECT_FALSE(projector::readCorners(kProjectorKey).mapping);
        view->close();
    }
}

TEST_F(Corners, KeptCalibrationsReadBackAndDamagedOnesAreNot)
{
    const auto mapping = matOnTheProjector(24, 18);
    ASSERT_TRUE(mapping);
    ASSERT_TRUE(projector::storeCorners(kProjectorKey, *mapping, measure::UnitSystem::Inch));
    const auto kept = projector::readCorners(kProjectorKey);
    ASSERT_TRUE(kept.mapping);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(kept.mapping->calibration().corners[i].x, mapping->calibration().corners[i].x);
        EXPECT_EQ(kept.mapping->calibration().corners[i].y, mapping->calibration().corners[i].y);
    }

    const char* damaged[] = {
        "in 24 18 100 100 700 100 700 550",                    // a corner missing
        "cm 24 18 100 100 700 100 700 550 100 550",            // no such unit
        "in 24 18 100 100 700 100 100 550 700 550",            // crossing
        "in 2 18 100 100 700 100 700 550 100 550",             // too small
        "in 24 18 100 100 700 100 700 550 100 550 4 1 1",      // no mesh of 4
        "in 24 18 100 100 700 100 700 550 100 550 3 1 1 2 2",  // points missing
        "in 24 18 100 100 700 100 700 nan 100 550",
    };
    for (const char* text : damaged) {
        platform::userSettings().setValue("CornerCalibration/HDMI%2FProjector%20800x600", text);
        const auto read = projector::readCorners(kProjectorKey);
        EXPECT_FALSE(read.mapping) << text;
        EXPECT_TRUE(read.damaged) << text;
    }
    // The projector window says why, where the reason is one the user can act on; once in a
    // run for each screen, so each row damages another screen's.
    const struct {
        const char* screen;
        const char* text;
        QString why;
    } said[] = {
        {"HDMI/Projector", "in 24 18 100 100 700 100 100 550 700 550",
         projector::cornerFaultText(CornerFault::Crossing)},
        {"Laptop",
         "in 24 18 100 100 700 100 700 550 100 550 3 100 100 400 100 700 100 100 300 800 300 700 "
         "300 100 550 400 550 700 550",
         projector::meshFoldsText()},
        {"Retina", "in 24 18 100 100 700 nan 700 550 100 550", ""},
    };
    for (const auto& s : said) {
        SCOPED_TRACE(s.screen);
        QScreen* screen = nullptr;
        for (QScreen* each : QGuiApplication::screens())
            if (each->name() == s.screen) screen = each;
        ASSERT_TRUE(screen);
        platform::userSettings().setValue(
            "CornerCalibration/" + QUrl::toPercentEncoding(projector::screenKey(*screen)), s.text);
        projector::ProjectorDialog dialog({}, 15, measure::UnitSystem::Inch);
        dialog.cboScreen->setCurrentIndex(dialog.cboScreen->findData(s.screen));
        const QMessageBox* message = nullptr;
        for (auto* box : dialog.findChildren<QMessageBox*>("damagedCalibrationMessage"))
            if (box->text().startsWith("The stored corner")) message = box;
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text(),
                  "The stored corner calibration of this screen is damaged and was not used." +
                      (s.why.isEmpty() ? QString() : ' ' + s.why));
    }
}

// The pattern through the calibration: the grid's crossings where the mapping puts them, the
// arrow keys moving it by the calibration's steps, the sections paged by keys.
TEST_F(Corners, PatternShowsThroughTheMappingAndMovesBySteps)
{
    const auto mapping = matOnTheProjector(8, 6);
    ASSERT_TRUE(mapping);
    // A picture of 10 x 7 inches with a line across: two sections across, two down.
    picture::PersistentImage image;
    image.size = {960, 672};
    image.shapes.push_back(picture::LineShape{0, 300, 959, 300});
    projector::ProjectorPreferences look;
    look.overlay = projector::Overlay::Grid;
    look.whiteOnBlack = false;
    projector::MappedProjectorView view(image, 15, *mapping, measure::UnitSystem::Metric, {}, look,
                                        measure::UnitSystem::Inch);
    view.setGeometry(test::projectorScreen()->geometry());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage shown = view.grab().toImage();
    for (int y = 0; y <= 6; ++y)
        for (int x = 0; x <= 8; ++x) {
            // Within a pixel: the grey line is smoothed over its neighbours.
            const Point at = mapping->toScreen({double(x), double(y)});
            int darkest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    darkest = std::min(
                        darkest, shown.pixelColor(std::lround(at.x) + dx, std::lround(at.y) + dy)
                                     .lightness());
            EXPECT_LT(darkest, 200) << x << ", " << y;
        }
    EXPECT_EQ(view.shown().sections.count(), 4);

    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int section;
        double offsetX, offsetY;  // millimeters
    } steps[] = {
        {Qt::Key_Right, {}, 0, 1, 0},    {Qt::Key_Right, Qt::ShiftModifier, 0, 26, 0},
        {Qt::Key_Up, {}, 0, 26, -1},     {Qt::Key_PageDown, {}, 1, 26, -1},
        {Qt::Key_N, {}, 2, 26, -1},      {Qt::Key_N, {}, 3, 26, -1},
        {Qt::Key_N, {}, 3, 26, -1},      {Qt::Key_P, {}, 2, 26, -1},
        {Qt::Key_PageUp, {}, 1, 26, -1},
    };
    for (const auto& s : steps) {
        QTest::keyClick(&view, s.key, s.modifiers);
        EXPECT_EQ(view.section(), s.section);
        EXPECT_NEAR(view.placement().offsetInches.x * 25.4, s.offsetX, 1e-9);
        EXPECT_NEAR(view.placement().offsetInches.y * 25.4, s.offsetY, 1e-9);
    }
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

// With corners kept, Show Pattern takes them; Reset forgets the bar's and the corners'.
TEST_F(Corners, TheProjectorWindowShowsThroughTheCornersAndResetsBoth)
{
    const auto mapping = matOnTheProjector(24, 18);
    ASSERT_TRUE(projector::storeCorners(kProjectorKey, *mapping, measure::UnitSystem::Inch));
    picture::PersistentImage pattern;
    pattern.size = {200, 100};
    projector::ProjectorDialog dialog(pattern, 15, measure::UnitSystem::Inch);
    dialog.cboScreen->setCurrentIndex(dialog.cboScreen->findData("HDMI/Projector"));
    EXPECT_EQ(dialog.lblCorners->text(), "Corners: 24 x 18 in");
    EXPECT_TRUE(dialog.cmdResetCalibration->isEnabled());
    dialog.showPattern();
    bool shownMapped = false;
    for (QWidget* widget : QApplication::topLevelWidgets())
        shownMapped |= widget->objectName() == "MappedProjectorView" && widget->isVisible();
    EXPECT_TRUE(shownMapped);
    dialog.resetCalibration();
    EXPECT_EQ(dialog.lblCorners->text(), "Not corner calibrated");
    EXPECT_FALSE(projector::readCorners(kProjectorKey).mapping);
    EXPECT_FALSE(dialog.cmdResetCalibration->isEnabled());
}

}  // namespace
