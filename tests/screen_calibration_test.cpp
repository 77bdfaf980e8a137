// What survives in the user's settings from one run
// to the next (kept in a temporary folder here).
#include "platform/user_settings.h"
#include "projector/projector_preferences.h"
#include "projector/screen_calibration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <optional>

namespace {

using namespace tavrel::projector;
using namespace tavrel::platform;

class StoredSettings : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }

    QTemporaryDir folder_;
};

void writeSettingsFile(const QString& folder, const QByteArray& content)
{
    QDir(folder).mkpath("Tavrel");
    QFile file(folder + "/Tavrel/Tavrel.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

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
    for (const char* value : {"1e9", "nan", "inf", "-31.5", "", "wide"}) {
        userSettings().setValue("ScreenCalibration/DP-1%20800x600", value);
        const StoredCalibration stored = readPixelsPerInch("DP-1 800x600");
        EXPECT_EQ(stored.pixelsPerInch, std::nullopt) << value;
        EXPECT_TRUE(stored.damaged) << value;
    }
    EXPECT_FALSE(readPixelsPerInch("DP-2 800x600").damaged) << "none stored is not damaged";
    // A variant of junk reads as no value at all, but is there.
    writeSettingsFile(folder_.path(), "[ScreenCalibration]\nDP-3%2520800x600=@Variant(junk)\n");
    EXPECT_TRUE(readPixelsPerInch("DP-3 800x600").damaged);
    for (const int width : {-1, 0, 2, 4}) {
        userSettings().setValue("Projector/lineWidth", width);
        EXPECT_EQ(loadProjectorPreferences().lineWidth, 1) << width;
    }
    for (const int overlay : {-1, 4, 7}) {
        userSettings().setValue("Projector/overlay", overlay);
        EXPECT_EQ(loadProjectorPreferences().overlay, Overlay::None) << overlay;
    }
    for (const int turns : {-1, 4}) {
        userSettings().setValue("Projector/quarterTurns", turns);
        EXPECT_EQ(loadProjectorPreferences().quarterTurns, 0) << turns;
    }
    for (const int mesh : {1, 4, 9}) {
        userSettings().setValue("Projector/meshSize", mesh);
        EXPECT_EQ(loadProjectorPreferences().meshSize, 0) << mesh;
    }
}

// What stops the settings file from being written, set up in the settings folder, and undone.
struct Blocker {
    const char* name;
    std::function<void(const QString& folder)> block, unblock;
};

// A write cut short as by a full disk: the kernel refuses bytes beyond a file size limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit saved_{};
};

std::optional<FileSizeLimit> fileSizeLimit;

const Blocker kBlockers[] = {
    {"a folder in the file's place",
     [](const QString& folder) {
         QFile::remove(folder + "/Tavrel/Tavrel.conf");
         QDir(folder).mkpath("Tavrel/Tavrel.conf");
     },
     [](const QString& folder) { QDir(folder + "/Tavrel/Tavrel.conf").removeRecursively(); }},
    {"a file in the folder's place",
     [](const QString& folder) {
         QDir(folder + "/Tavrel").removeRecursively();
         QFile file(folder + "/Tavrel");
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
     },
     [](const QString& folder) { QFile::remove(folder + "/Tavrel"); }},
    // Room for the lock file Qt writes beside the file, not for the file.
    {"a full disk cutting the write short",
     [](const QString&) {
         userSettings().setValue("Other/notes", QString(300, 'x'));
         fileSizeLimit.emplace(128);
     },
     [](const QString&) { fileSizeLimit.reset(); }},
};

// A calibration, and its reset, that cannot be written hold until the program ends; once the
// file can be written again, they are written.
TEST_F(StoredSettings, UnwrittenChangesHoldForTheRun)
{
    const QString screen = "HDMI-1 1920x1080";
    for (const Blocker& blocker : kBlockers) {
        SCOPED_TRACE(blocker.name);
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        ASSERT_TRUE(storePixelsPerInch(screen, 40));

        blocker.block(folder.path());
        EXPECT_FALSE(storePixelsPerInch(screen, 31.5));
        EXPECT_EQ(storedPixelsPerInch(screen), 31.5);
        forgetPixelsPerInch(screen);
        EXPECT_EQ(storedPixelsPerInch(screen), std::nullopt);
        EXPECT_FALSE(storePixelsPerInch(screen, 32.5));
        blocker.unblock(folder.path());

        EXPECT_EQ(storedPixelsPerInch(screen), 32.5);
        EXPECT_TRUE(storePixelsPerInch(screen, 33.5));
        const QSettings file(folder.filePath("Tavrel/Tavrel.conf"), QSettings::IniFormat);
        EXPECT_EQ(file.value("ScreenCalibration/HDMI-1%201920x1080").toDouble(), 33.5);
    }
}

// A file with lines that are no key=value, or with junk, is copied aside once at start, before
// its next change drops them; the changes are then written, and said to be.
TEST_F(StoredSettings, ADamagedFileIsSetAsideAndStillWritten)
{
    struct Case {
        const char* name;
        QByteArray content;
        bool damaged;
    };
    const Case cases[] = {
        {"sound", "[Projector]\nlineWidth=2\n", false},
        {"a line without =", "[Projector]\nlineWidth=2\nwide lines\n", true},
        {"junk", "[Projector]\nlineWidth=2\n\x01\xff\xfe\x02", true},
        {"an unclosed group", "[Projector\nlineWidth=2\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A store that is the first to read the file.
        QTemporaryDir stores;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, stores.path());
        writeSettingsFile(stores.path(), c.content);
        EXPECT_TRUE(storePixelsPerInch("HDMI-1 1920x1080", 31.5));
        EXPECT_TRUE(storePixelsPerInch("HDMI-1 1920x1080", 32.5));
        EXPECT_EQ(storedPixelsPerInch("HDMI-1 1920x1080"), 32.5);

        QTemporaryDir starts;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, starts.path());
        writeSettingsFile(starts.path(), c.content);
        const auto copy = setAsideDamagedSettings();
        ASSERT_EQ(copy.has_value(), c.damaged);
        if (copy) {
            EXPECT_EQ(*copy, starts.filePath("Tavrel/Tavrel.conf.damaged"));
            QFile kept(*copy);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), c.content);
        }
    }
}

}  // namespace
