#pragma once
// Hands links to the desktop, as the system shell would.

#include <QString>

namespace tavrel::platform {

// Asks the desktop to start a new mail message to the address; false when nothing took it.
bool openMailTo(const QString& address);

}  // namespace tavrel::platform
