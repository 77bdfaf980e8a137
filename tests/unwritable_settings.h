#pragma once
// For as long as it lives, the settings file cannot be written: a folder stands in its place.
// Then the settings are where the test program keeps them again.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace tavrel::test {

// Why a test of unwritable settings cannot run here, or null where it can.
#ifdef _WIN32
inline constexpr const char* kSettingsStayWritable =
    "the Windows program keeps its settings in the registry, which a test cannot make unwritable";
#else
inline constexpr const char* kSettingsStayWritable = nullptr;
#endif

class UnwritableSettings {
public:
    UnwritableSettings()
    {
        QDir(folder_.path()).mkpath("Tavrel/Tavrel.conf");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    ~UnwritableSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           qEnvironmentVariable("XDG_CONFIG_HOME"));
    }
    QString fileName() const { return folder_.filePath("Tavrel/Tavrel.conf"); }

private:
    QTemporaryDir folder_;
};

}  // namespace tavrel::test
