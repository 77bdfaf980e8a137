#include "host_tool.h"

#include <QProcess>

namespace tavrel::test {

QString hostPath(const QString& path) { return path; }

std::optional<QString> runHostTool(const QString& name, QStringList arguments)
{
    QProcess process;
    process.start("/usr/bin/" + name, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace tavrel::test
