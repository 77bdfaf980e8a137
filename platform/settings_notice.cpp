#include "platform/settings_notice.h"

#include "platform/notice.h"
#include "platform/user_settings.h"

#include <QCoreApplication>
#include <QDir>

namespace tavrel::platform {

void sayNotStored(QWidget* parent, const QString& title)
{
    //: %1 is the settings file.
    const QString text = QCoreApplication::translate(
        "Settings",
        "Tavrel could not write its settings file %1, so this change holds only until Tavrel "
        "closes. Check that its folder can be written to and that the disk is not full.");
    platform::showWarning(parent, title,
                          text.arg(QDir::toNativeSeparators(userSettings().fileName())),
                          "settingsMessage");
}

void sayNotStoredOnce(QWidget* parent, const QString& title)
{
    static bool said = false;
    if (said) return;
    said = true;
    sayNotStored(parent, title);
}

void saySettingsSetAside(QWidget* parent, const QString& copy)
{
    const QString file = QDir::toNativeSeparators(userSettings().fileName());
    const QString text =
        copy.isEmpty()
            //: %1 is the settings file.
            ? QCoreApplication::translate(
                  "Settings",
                  "Tavrel's settings file %1 is damaged. The settings that could be read are "
                  "kept; the rest could not be copied aside and goes with the next change.")
                  .arg(file)
            //: %1 is the settings file, %2 the copy of it as it was.
            : QCoreApplication::translate(
                  "Settings",
                  "Tavrel's settings file %1 is damaged. The settings that could be read are "
                  "kept; the file as it was is set aside as %2.")
                  .arg(file, QDir::toNativeSeparators(copy));
    platform::showWarning(parent, QStringLiteral("Tavrel"), text, "damagedSettingsMessage");
}

}  // namespace tavrel::platform
