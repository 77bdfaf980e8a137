#pragma once
// The viewer that shows the help file on F1.

#include <QString>

class QWidget;

namespace tavrel::help {

// Opens the help file `path` at its default topic in the help window; when that window already
// shows this file, brings it to the front on the default topic again. When the file is missing,
// unreadable or not a help file, a message naming the path appears instead (without blocking
// the caller). Returns whether the help is shown.
bool showHelp(QWidget* parent, const QString& path);

}  // namespace tavrel::help
