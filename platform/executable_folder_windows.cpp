#include "platform/executable_folder.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <vector>

namespace tavrel::platform {

QString executableFolder()
{
    // The path may be longer than MAX_PATH; the buffer grows until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size())
            return QFileInfo(QDir::fromNativeSeparators(QString::fromWCharArray(path.data(), int(length))))
                .absolutePath();
        path.resize(path.size() * 2);
    }
}

}  // namespace tavrel::platform
