#pragma once
// What the projector tests share: the offscreen projector that projector_screens.json sets up,
// the strokes crossing a row of a grabbed view, and settings of their own.

#include "platform/user_settings.h"

#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace tavrel::test {

// The 800 x 600 projector beside the 1024 x 768 laptop screen; its name holds a slash, as
// some systems' names do.
inline QScreen* projectorScreen()
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == "HDMI/Projector") return screen;
    return nullptr;
}

// A stretch of one colour along a row: the width of a stroke crossing it and its middle.
struct InkRun {
    int start = 0, width = 0;
    double centre() const { return start + (width - 1) / 2.0; }
};

inline std::vector<InkRun> inkRuns(const QImage& image, int row, QColor ink)
{
    std::vector<InkRun> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, row) != ink) continue;
        if (!runs.empty() && runs.back().start + runs.back().width == x)
            ++runs.back().width;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

// The settings in a temporary folder, and no window left open after each test.
class ProjectorSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        // Where the settings are in the registry, a new folder does not empty them.
        platform::userSettings().clear();
    }

    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
        QTest::qWait(1);
    }

    QTemporaryDir folder_;
};

}  // namespace tavrel::test
