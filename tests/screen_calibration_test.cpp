// Calibration arithmetic and its refusals, the typed lengths, and what survives in the user's
// settings from one run to the next (kept in a temporary folder here).
#include "app/screen_calibration.h"
#include "app/projector_preferences.h"
#include "app/user_settings.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

using namespace tavrel::app;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ScreenCalibration, PixelsPerInchFromBarRefusesWhatNoScreenShows)
{
    const struct {
        int bar;
        double inches;
        std::optional<double> expected;
    } cases[] = {
        {600, 10, 60},
        {600, 120, 5},
        {2000, 1, 2000},
        {600, 121, std::nullopt},
        {2001, 1, std::nullopt},
        {600, 0, std::nullopt},
        {600, -10, std::nullopt},
        {0, 10, std::nullopt},
        {600, kNaN, std::nullopt},
        {600, kInfinity, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelsPerInchFromBar(c.bar, c.inches), c.expected) << c.bar << " / " << c.inches;
}

TEST(ScreenCalibration, ReadsTypedLengthsStrictly)
{
    const struct {
        const char* text;
        bool millimetres;
        std::optional<double> inches;
    } cases[] = {
        {"7 7/8", false, 7.875},
        {" 7/8 ", false, 0.875},
        {"12.5", false, 12.5},
        {"254", true, 10},
        {"7 7/8", true, std::nullopt},
        {"", false, std::nullopt},
        {"abc", false, std::nullopt},
        {"1/0", false, std::nullopt},
        {"1 2 3/4", false, std::nullopt},
        {"-5", false, std::nullopt},
        {"1e3", true, std::nullopt},
        {"7 /8", false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readTypedInches(c.text, c.millimetres), c.inches) << c.text;
}

class StoredSettings : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }

    QTemporaryDir folder_;
};

TEST_F(StoredSettings, CalibrationIsKeptPerScreenUntilReset)
{
    const QString projector = "HDMI/1 1920x1080", other = "HDMI/1 1280x720";
    storePixelsPerInch(projector, 31.5);
    EXPECT_EQ(storedPixelsPerInch(projector), 31.5);
    EXPECT_EQ(storedPixelsPerInch(other), std::nullopt);
    EXPECT_FALSE(QDir(folder_.path()).isEmpty()) << "not written where the settings live";

    forgetPixelsPerInch(projector);
    EXPECT_EQ(storedPixelsPerInch(projector), std::nullopt);
}

TEST_F(StoredSettings, DamagedValuesAreIgnored)
{
    storePixelsPerInch("DP-1 800x600", 1e9);
    EXPECT_EQ(storedPixelsPerInch("DP-1 800x600"), std::nullopt);
    userSettings().setValue("Projector/lineWidth", 4);
    userSettings().setValue("Projector/overlay", 7);
    const ProjectorPreferences loaded = loadProjectorPreferences();
    EXPECT_EQ(loaded.lineWidth, 1);
    EXPECT_EQ(loaded.overlay, Overlay::None);
}

}  // namespace
