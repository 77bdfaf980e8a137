// The real program on a real X server, driven with real X input: a person clicks
// "Inches (Fractions)", types 2 1/2, and sees the pattern drawn and the window sized to it.
// scripts/test.sh starts the X server and names its display in TAVREL_E2E_DISPLAY.

#include "pattern/drawing.h"
#include "picture/pattern_image.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>

namespace {

struct Geometry {
    int width = 0, height = 0;
};

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        display = qEnvironmentVariable("TAVREL_E2E_DISPLAY");
        ASSERT_FALSE(display.isEmpty())
            << "TAVREL_E2E_DISPLAY names no X server; run the tests through scripts/test.sh";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(TAVREL_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted());
        window = run("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                                 QString::number(program.processId())})
                     .section('\n', 0, 0);
        ASSERT_FALSE(window.isEmpty()) << "the program's window never appeared";
    }

    void TearDown() override
    {
        program.terminate();
        if (!program.waitForFinished(5000)) program.kill();
    }

    QString run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        process.setProcessEnvironment(environment);
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": "
                                         << process.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }

    Geometry geometry()
    {
        Geometry g;
        for (const QString& line : run("xdotool", {"getwindowgeometry", "--shell", window}).split('\n')) {
            if (line.startsWith("WIDTH=")) g.width = line.mid(6).toInt();
            if (line.startsWith("HEIGHT=")) g.height = line.mid(7).toInt();
        }
        return g;
    }

    // Polls until the window reaches the size, for up to ten seconds.
    bool waitForSize(Geometry wanted)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            const Geometry now = geometry();
            if (now.width == wanted.width && now.height == wanted.height) return true;
            QThread::msleep(100);
        }
        return false;
    }

    QString display;
    QProcess program;
    QString window;
};

TEST_F(EndToEnd, TypedFractionIsDrawnAndTheWindowFitsIt)
{
    // No window manager runs, so the window has no frame: its height is the menu bar's plus the
    // client area's 96 pixels.
    const int menuBar = geometry().height - 96;
    ASSERT_GT(menuBar, 10);

    // "Inches (Fractions)" sits at (40, 32) in the client area, 25 pixels high.
    run("xdotool", {"mousemove", "--window", window, "60", QString::number(menuBar + 32 + 12),
                    "click", "1"});
    QThread::msleep(300);
    run("xdotool", {"type", "--delay", "80", "2 1/2"});

    // 9615 x 14400 twips at 15 twips per pixel.
    ASSERT_TRUE(waitForSize({641, 960})) << "window stayed " << geometry().width << " x "
                                         << geometry().height;
    QThread::msleep(300);

    QTemporaryDir folder;
    const QString shot = folder.filePath("window.png");
    run("import", {"-window", window, shot});
    const QImage screen = QImage(shot).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(screen.isNull());

    const auto drawing =
        tavrel::pattern::prepareDrawing("2 1/2", *tavrel::measure::unitAt(1), {15, 15});
    ASSERT_TRUE(drawing.plan);
    const auto expected = tavrel::picture::patternImage(*drawing.plan);
    QImage reference(expected.size, QImage::Format_RGB32);
    QPainter painter(&reference);
    tavrel::picture::replay(expected, painter, QRectF(QPointF(0, 0), expected.size),
                             tavrel::picture::LineWidth::OneDevicePixel);
    painter.end();

    // The figure above the scale label, where the picture shows as it is.
    const QRect figure(0, 0, expected.size.width(), drawing.plan->labelTop);
    const QPoint onScreen(drawing.plan->pictureLeft, menuBar + drawing.plan->pictureTop);
    const QImage shown = screen.copy(figure.translated(onScreen));
    int inked = 0, differing = 0;
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x) {
            const bool want = qGray(reference.pixel(x, y)) < 128;
            const bool got = qGray(shown.pixel(x, y)) < 128;
            inked += want;
            differing += want != got;
        }
    EXPECT_GT(inked, 1000);
    EXPECT_EQ(differing, 0) << "of " << inked << " inked pixels";
}

}  // namespace
