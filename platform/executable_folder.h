#pragma once
// The folder of the running program, found without the application object, which the command
// line runs before.

#include <QString>

namespace tavrel::app {

QString executableFolder();

}  // namespace tavrel::app
