#include "platform/executable_folder.h"

#include <QFileInfo>

namespace tavrel::platform {

QString executableFolder() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); }

}  // namespace tavrel::platform
