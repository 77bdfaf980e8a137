// The projector view on an offscreen projector of 800 x 600 pixels (projector_screens.json):
// the check ruler and the pattern measured in pixels on the grabbed view, for each
// calibration, line width and colour choice; panning by keys and by drag; Esc.
#include "projector/check_overlay.h"
#include "projector/projector_view.h"
#include "projector_checks.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace tavrel;
using projector::ProjectorView;
using test::InkRun;
using test::inkRuns;

constexpr double kTwipsPerPixel = 15;  // 96 picture pixels to the inch

// Vertical lines across a picture of `size`, at the given picture x.
picture::PersistentImage verticalLines(QSize size, std::vector<float> xs)
{
    picture::PersistentImage image;
    image.size = size;
    for (float x : xs)
        image.shapes.push_back(picture::LineShape{x, 0, x, float(size.height() - 1)});
    return image;
}

picture::PersistentImage withLineAcross(picture::PersistentImage image, float y)
{
    image.shapes.push_back(picture::LineShape{0, y, float(image.size.width() - 1), y});
    return image;
}

void showOnProjector(ProjectorView& view)
{
    ASSERT_TRUE(test::projectorScreen());
    view.setScreen(test::projectorScreen());
    view.setGeometry(test::projectorScreen()->geometry());
    view.showFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
}

TEST(ProjectorView, RulerAndPatternAtTheCalibratedLength)
{
    using enum measure::UnitSystem;
    const struct {
        double pixelsPerInch;
        int lineWidth;
        bool whiteOnBlack;
        measure::UnitSystem ruler;
    } cases[] = {{96, 1, true, Inch},
                 {50, 3, false, Metric},
                 {37.3, 5, true, Metric},
                 {150, 1, false, Inch},
                 {71.9, 3, true, Inch}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixelsPerInch << " px/in, width " << c.lineWidth);
        const projector::ProjectorPreferences look{"", c.whiteOnBlack, c.lineWidth,
                                                   projector::Overlay::Ruler};
        // Two lines one inch apart, in a picture that fits the projector.
        ProjectorView view(verticalLines({300, 200}, {100, 196}), kTwipsPerPixel, c.pixelsPerInch,
                           look, c.ruler);
        showOnProjector(view);
        ASSERT_EQ(view.size(), QSize(800, 600));
        const QImage shown = view.grab().toImage();
        const QColor ink = c.whiteOnBlack ? Qt::white : Qt::black;
        EXPECT_EQ(shown.pixelColor(799, 599), c.whiteOnBlack ? QColor(Qt::black) : Qt::white);

        const double unit = c.ruler == Metric ? c.pixelsPerInch / 2.54 : c.pixelsPerInch;
        const int units = std::min(10, int((800 - 2 * projector::kCheckRulerMargin) / unit));
        const auto ticks =
            inkRuns(shown, projector::kCheckRulerMargin + projector::kCheckRulerTick / 2, ink);
        ASSERT_EQ(ticks.size(), size_t(units + 1));
        EXPECT_NEAR(ticks.back().centre() - ticks.front().centre(), units * unit, 0.5);
        for (const InkRun& tick : ticks) EXPECT_EQ(tick.width, c.lineWidth);

        const auto lines = inkRuns(shown, 300, ink);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NEAR(lines[1].centre() - lines[0].centre(), c.pixelsPerInch, 1.0);
        for (const InkRun& line : lines) EXPECT_EQ(line.width, c.lineWidth);
    }
}

// A picture of 300 x 200 pixels with a line down at x = 100 and one across at y = 50, mirrored
// and turned: row 300 of the view crosses one of them where the turn and mirror put it. The
// pattern stands in the view's middle, its corner at (250, 200), or (300, 150) turned.
TEST(ProjectorView, MirroredAndTurnedAsChosen)
{
    const struct {
        bool across, down;
        int turns;
        double column;
    } cases[] = {
        {false, false, 0, 350.5}, {true, false, 0, 449.5}, {false, true, 0, 350.5},
        {false, false, 1, 449.5}, {false, false, 2, 449.5}, {false, false, 3, 350.5},
        {true, false, 1, 449.5},  {false, true, 1, 350.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.across << c.down << c.turns);
        projector::ProjectorPreferences look;
        look.mirrorAcross = c.across;
        look.mirrorDown = c.down;
        look.quarterTurns = c.turns;
        ProjectorView view(withLineAcross(verticalLines({300, 200}, {100}), 50), kTwipsPerPixel, 96,
                           look, measure::UnitSystem::Inch);
        showOnProjector(view);
        const auto runs = inkRuns(view.grab().toImage(), 300, Qt::white);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_NEAR(runs[0].centre(), c.column, 1);
    }
}

// A pattern of 5000 x 4000 pixels at 96 pixels per inch, with a line down at x = 500 and a line
// across at y = 400.
class Panning : public testing::Test {
protected:
    void SetUp() override { showOnProjector(view_); }

    double lineOnScreen()
    {
        const auto runs = inkRuns(view_.grab().toImage(), 300, Qt::white);
        return runs.size() == 1 ? runs[0].centre() : -1;
    }

    // The row of the line across, read down column 100.
    double rowOfLineAcross()
    {
        const QImage transposed = view_.grab().toImage().transformed(QTransform(0, 1, 1, 0, 0, 0));
        const auto runs = inkRuns(transposed, 100, Qt::white);
        return runs.size() == 1 ? runs[0].centre() : -1;
    }

    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&view_, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, view_.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&view_, &move);
        QTest::mouseRelease(&view_, Qt::LeftButton, {}, to);
    }

    ProjectorView view_{withLineAcross(verticalLines({5000, 4000}, {500}), 400), kTwipsPerPixel, 96,
                        projector::ProjectorPreferences{}, measure::UnitSystem::Inch};
};

TEST_F(Panning, ArrowKeysMoveATenthOfTheViewAndStopAtTheEdges)
{
    EXPECT_EQ(lineOnScreen(), 500);
    QTest::keyClick(&view_, Qt::Key_Right);
    EXPECT_EQ(view_.pan(), QPoint(80, 0));
    EXPECT_EQ(lineOnScreen(), 420);
    EXPECT_EQ(rowOfLineAcross(), 400);
    QTest::keyClick(&view_, Qt::Key_Down);
    EXPECT_EQ(view_.pan(), QPoint(80, 60));
    EXPECT_EQ(rowOfLineAcross(), 340);
    for (int i = 0; i < 100; ++i) QTest::keyClick(&view_, Qt::Key_Right);
    EXPECT_EQ(view_.pan(), QPoint(5000 - 800, 60));
    for (int i = 0; i < 100; ++i) QTest::keyClick(&view_, Qt::Key_Up);
    EXPECT_EQ(view_.pan(), QPoint(5000 - 800, 0));
}

TEST_F(Panning, DragMovesThePatternWithTheMouse)
{
    drag({400, 300}, {300, 250});
    EXPECT_EQ(view_.pan(), QPoint(100, 50));
    EXPECT_EQ(lineOnScreen(), 400);
    EXPECT_EQ(rowOfLineAcross(), 350);
    drag({300, 300}, {700, 500});  // past the corner
    EXPECT_EQ(view_.pan(), QPoint(0, 0));
}

TEST_F(Panning, EscLeaves)
{
    QTest::keyClick(&view_, Qt::Key_Escape);
    EXPECT_FALSE(view_.isVisible());
}

}  // namespace
