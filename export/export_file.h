#pragma once
// Writes a file so that it is either complete or not there: the content is made first, then
// goes to a temporary file in the target's folder, which replaces the target only once every
// byte is on the disk. A pipe or a device such as /dev/null is written where it is.

#include <QString>

#include <filesystem>
#include <functional>

class QIODevice;

namespace tavrel::exporting {

// `write` fills the device and says whether it succeeded. Returns an empty string when the file
// is in place, otherwise "Cannot write "path": reason." with the system's reason (such as "No
// space left on device"); the target, new or existing, is then left exactly as it was and no
// temporary file remains. A replaced file keeps its owner, permissions and attributes.
QString saveFileAtomically(const std::filesystem::path& path,
                           const std::function<bool(QIODevice&)>& write);

}  // namespace tavrel::exporting
