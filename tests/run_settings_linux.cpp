#include "run_settings.h"

#include <QString>
#include <QtGlobal>

namespace tavrel::test {

void keepSettingsApart(const QString& folder) { qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit()); }

}  // namespace tavrel::test
