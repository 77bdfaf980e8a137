// Entry point of the widget tests: one QApplication for the whole run, on the platform the
// test registration chose (offscreen unless a test asks for a real display). Settings go to a
// folder of the run's own, never the user's.
#include "run_settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    tavrel::test::keepSettingsApart(settings.path());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
