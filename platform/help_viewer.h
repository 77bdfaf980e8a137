#pragma once
// The application's help file and the viewer that shows it on F1.

#include <QString>

class QWidget;

namespace tavrel::platform {

void setHelpFilePath(const QString& path);
QString helpFilePath();

// Opens the help file at its default topic. When the file is missing or unreadable, or nothing
// can show it, a message naming the path appears instead (without blocking the caller).
// Returns whether the help was opened.
bool showHelp(QWidget* parent);

}  // namespace tavrel::platform
