#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavrel::platform {

bool openMailTo(const QString& address)
{
    return QDesktopServices::openUrl(QUrl("mailto:" + address));
}

}  // namespace tavrel::platform
