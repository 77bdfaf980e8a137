#pragma once
// The application's help file and the viewer that shows it on F1.

#include <QString>

class QWidget;

namespace tavrel::platform {

void setHelpFilePath(const QString& path);
QString helpFilePath();

// Opens the help file at its default topic in the help window; when that window already shows
// this file, brings it to the front on the default topic again. When the file is missing,
// unreadable or not a help file, a message naming the path appears instead (without blocking
// the caller). Returns whether the help is shown.
bool showHelp(QWidget* parent);

}  // namespace tavrel::platform
