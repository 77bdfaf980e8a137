#include "platform/user_settings.h"

#include <QFile>
#include <QHash>
#include <QTemporaryFile>

#include <algorithm>
#include <tuple>

namespace tavrel::platform {
namespace {

// What this run could not write, per settings file; QVariant() stands for a removed key.
QHash<QString, QVariant>& unwritten(const QString& fileName)
{
    static QHash<QString, QHash<QString, QVariant>> byFile;
    return byFile[fileName];
}

// Qt 6.4 reports a write cut short by a full disk as a success and leaves the file shortened,
// so the file is read back: from a copy, as Qt would answer from what it remembers of the file.
bool fileHolds(const QString& fileName, const SettingChanges& changes)
{
#ifdef Q_OS_WIN
    // The registry, not a file, and it reports its own failures.
    Q_UNUSED(fileName);
    Q_UNUSED(changes);
    return true;
#else
    QFile file(fileName);
    // Without a file, nothing is kept: right for removed keys only.
    if (!file.exists())
        return std::all_of(changes.begin(), changes.end(),
                           [](const auto& change) { return !change.second.isValid(); });
    QTemporaryFile copy;
    if (!file.open(QIODevice::ReadOnly) || !copy.open()) return false;
    const QByteArray contents = file.readAll();
    if (copy.write(contents) != contents.size() || !copy.flush()) return false;
    const QSettings readBack(copy.fileName(), QSettings::IniFormat);
    for (const auto& [key, value] : changes) {
        const bool holds = !value.isValid() ? !readBack.contains(key)
                                            : readBack.value(key).toString() == value.toString();
        if (!holds) return false;
    }
    return true;
#endif
}

}  // namespace

QVariant userSetting(const QString& key, const QVariant& fallback)
{
    const QSettings settings = userSettings();
    const QHash<QString, QVariant>& kept = unwritten(settings.fileName());
    if (const auto found = kept.find(key); found != kept.end())
        return found->isValid() ? *found : fallback;
    return settings.value(key, fallback);
}

bool hasUserSetting(const QString& key)
{
    const QSettings settings = userSettings();
    const QHash<QString, QVariant>& kept = unwritten(settings.fileName());
    if (const auto found = kept.find(key); found != kept.end()) return found->isValid();
    return settings.contains(key);
}

QStringList userSettingGroups(const QString& group)
{
    QSettings settings = userSettings();
    const QString prefix = group + '/';
    QStringList groups;
    for (const auto& [key, value] : unwritten(settings.fileName()).asKeyValueRange()) {
        const qsizetype end = key.indexOf('/', prefix.size());
        if (key.startsWith(prefix) && end > prefix.size() && value.isValid())
            groups << key.mid(prefix.size(), end - prefix.size());
    }
    settings.beginGroup(group);
    groups << settings.childGroups();
    groups.removeDuplicates();
    return groups;
}

bool storeUserSettings(const SettingChanges& changes)
{
    QSettings settings = userSettings();
    for (const auto& [key, value] : changes) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    }
    settings.sync();
    // Qt keeps a FormatError from reading a damaged file; only an AccessError is the writing's.
    const bool written =
        settings.status() != QSettings::AccessError && fileHolds(settings.fileName(), changes);
    QHash<QString, QVariant>& kept = unwritten(settings.fileName());
    for (const auto& [key, value] : changes) {
        if (written)
            kept.remove(key);
        else
            kept.insert(key, value);
    }
    return written;
}

std::optional<QString> setAsideDamagedSettings()
{
    QSettings settings = userSettings();
    // The status of a read is known once something is read.
    std::ignore = settings.allKeys();
    if (settings.status() != QSettings::FormatError) return std::nullopt;
    const QString copy = settings.fileName() + QStringLiteral(".damaged");
    QFile::remove(copy);
    return QFile::copy(settings.fileName(), copy) ? copy : QString();
}

}  // namespace tavrel::platform
