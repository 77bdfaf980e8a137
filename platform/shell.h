#pragma once
// Hands links to the desktop, as the system shell would.

#include <QString>

class QUrl;

namespace tavrel::platform {

// Asks the desktop to start a new mail message to the address; false when nothing took it.
bool openMailTo(const QString& address);

// Hands a web address (http, https) to the system's browser, a mail address (mailto) to its mail
// program; refuses any other, such as a file or a folder shared on another machine. False when
// refused or nothing took it.
bool openWebOrMailLink(const QUrl& url);

}  // namespace tavrel::platform
