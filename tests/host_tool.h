#pragma once
// The tools of the machine that runs the tests (poppler-utils, Python) that read the files a
// test wrote. A Windows test program runs under Wine: it starts the tool by its Unix path, and
// names the tool's files by their Unix paths.

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel::test {

// The tool's output, or nullopt when it cannot start or fails; every argument that is an
// absolute path is handed over as the tool sees it.
std::optional<QString> runHostTool(const QString& name, QStringList arguments);

// The path as the tools see it.
QString hostPath(const QString& path);

}  // namespace tavrel::test
