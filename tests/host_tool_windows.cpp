#include "host_tool.h"

#include <QDir>

#include <windows.h>

#include <cstdlib>

namespace tavrel::test {

// Wine's own call for it; a Windows without Wine has no such tools.
QString hostPath(const QString& path)
{
    using UnixFileName = char* (*)(const wchar_t*);
    static const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!unixFileName) return path;
    char* unix = unixFileName(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (!unix) return path;
    const QString converted = QString::fromUtf8(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return converted;
}

}  // namespace tavrel::test
