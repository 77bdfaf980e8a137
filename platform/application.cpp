#include "platform/application.h"

namespace tavrel::platform {
namespace {

QString& storedPath()
{
    static QString path;
    return path;
}

}  // namespace

void setHelpFilePath(const QString& path)
{
    storedPath() = path;
}
QString helpFilePath()
{
    return storedPath();
}

}  // namespace tavrel::platform
