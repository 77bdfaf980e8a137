#pragma once
// A warning the user reads and closes, without blocking whoever raised it.

#include <QString>

class QWidget;

namespace tavrel::platform {

// Shows the warning over `parent`; it deletes itself when closed. `objectName` lets tests
// find it.
void showWarning(QWidget* parent, const QString& title, const QString& text, const char* objectName);

}  // namespace tavrel::platform
