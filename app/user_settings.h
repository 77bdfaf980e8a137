#pragma once
// Where the program keeps what the user chose beyond its fixed behaviour.

#include <QSettings>

namespace tavrel::app {

inline QSettings userSettings()
{
    return QSettings(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"));
}

}  // namespace tavrel::app
