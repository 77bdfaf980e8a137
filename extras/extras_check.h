#pragma once
// Whether the module beside the program is the one built with it, checked before it is loaded:
// the system maps a module's file into memory, so a file cut short or damaged would crash the
// program where a missing page is touched instead of failing to load.

#include <QString>

namespace tavrel::extras {

// The digest of the module's loaded parts, in hexadecimal, written into the program as it is
// built.
extern const char kBuiltExtrasDigest[];

// Why the module must not be loaded, named as QLibrary takes it, without the system's suffix:
// missing, not a file or not the module built with the program; empty when it may.
QString extrasFileProblem(const QString& libraryName);

}  // namespace tavrel::extras
