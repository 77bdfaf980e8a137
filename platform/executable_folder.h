#pragma once
// The folder of the running program, found without the application object, which the command
// line runs before.

#include <QString>

namespace tavrel::platform {

QString executableFolder();

}  // namespace tavrel::platform
