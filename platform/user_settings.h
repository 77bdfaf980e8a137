#pragma once
// Where the program keeps what the user chose beyond its fixed behaviour: the settings file,
// with what this run stored but could not write there laid over it until the program ends.

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>

namespace tavrel::platform {

// The settings file as it is on disk, without this run's unwritten changes.
inline QSettings userSettings()
{
    return QSettings(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"));
}

// A key's value: what this run stored, else the file's, else `fallback`.
QVariant userSetting(const QString& key, const QVariant& fallback = {});
// Whether the key has a value, also one that cannot be read, such as a variant of junk.
bool hasUserSetting(const QString& key);
// The groups under `group`, those only this run stored included.
QStringList userSettingGroups(const QString& group);

// Keys and their new values; a value without a type, QVariant(), removes the key.
using SettingChanges = QList<std::pair<QString, QVariant>>;
// False when the settings file could not be written; the changes then hold for this run.
bool storeUserSettings(const SettingChanges& changes);

// Where the settings file holds lines that cannot be read, the next change writes it without
// them: the file as it is is first copied beside it. Called once, at start, before anything
// reads the settings. nullopt when the file is sound; otherwise the copy's name, empty where it
// could not be made.
std::optional<QString> setAsideDamagedSettings();

}  // namespace tavrel::platform
