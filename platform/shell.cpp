#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavrel::platform {

bool openMailTo(const QString& address)
{
    return QDesktopServices::openUrl(QUrl("mailto:" + address));
}

bool openWebOrMailLink(const QUrl& url)
{
    const QString scheme = url.scheme();
    if (scheme != "http" && scheme != "https" && scheme != "mailto") return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace tavrel::platform
