#include "host_tool.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <windows.h>

namespace tavrel::test {

// Wine's own call for it; a Windows without Wine has no such tools.
QString hostPath(const QString& path)
{
    using UnixFileName = char* (*)(const wchar_t*);
    static const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!unixFileName) return path;
    char* unix = unixFileName(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (!unix) return path;
    const QString converted = QString::fromUtf8(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return converted;
}

// Wine hands a Unix program neither the pipes of its output nor its exit status back, and does
// not wait for its end: a shell writes both into files, the status last, which is waited for.
std::optional<QString> runHostTool(const QString& name, QStringList arguments)
{
    for (QString& argument : arguments)
        if (QDir::isAbsolutePath(argument)) argument = hostPath(argument);
    QTemporaryDir folder;
    const QString output = folder.filePath("output"), status = folder.filePath("status");
    QProcess process;
    process.start("/usr/bin/sh",
                  QStringList{"-c",
                              R"(out=$1 status=$2; shift 2; "$@" >"$out"; echo $? >"$status.part"; )"
                              R"(mv "$status.part" "$status")",
                              "sh", hostPath(output), hostPath(status), "/usr/bin/" + name} +
                      arguments);
    process.waitForFinished(120000);
    QDeadlineTimer deadline(120000);
    while (!QFile::exists(status) && !deadline.hasExpired()) QThread::msleep(20);
    QFile statusFile(status), outputFile(output);
    if (!statusFile.open(QIODevice::ReadOnly) || statusFile.readAll().trimmed() != "0" ||
        !outputFile.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(outputFile.readAll());
}

}  // namespace tavrel::test
