#pragma once
// The application's own settings for this run: the path of its help file, set when the main
// window loads.

#include <QString>

namespace tavrel::platform {

void setHelpFilePath(const QString& path);
QString helpFilePath();

}  // namespace tavrel::platform
