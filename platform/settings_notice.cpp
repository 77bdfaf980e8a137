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

}  // namespace tavrel::platform
