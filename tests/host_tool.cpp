#include "host_tool.h"

#include <QDir>
#include <QProcess>

namespace tavrel::test {

std::optional<QString> runHostTool(const QString& name, QStringList arguments)
{
    for (QString& argument : arguments)
        if (QDir::isAbsolutePath(argument)) argument = hostPath(argument);
    QProcess process;
    process.start("/usr/bin/" + name, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace tavrel::test
