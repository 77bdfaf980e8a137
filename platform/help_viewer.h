#pragma once
// The application's help file and the viewer that shows it on F1.

#include <QString>

class QWidget;

namespace tavrel::platform {

void setHelpFilePath(const QString& path);
QString helpFilePath();

// Opens the help file at its default topic in the help window, or brings that window to the
// front when it already shows this file. When the file is missing, unreadable or not a help
// file, a message naming the path appears instead (without blocking the caller). Returns
// whether the help is shown.
bool showHelp(QWidget* parent);

}  // namespace tavrel::platform
