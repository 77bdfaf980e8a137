// Replacing a file with Windows' own calls: the content goes to a new file beside the target,
// reaches the disk, and then takes the target's place in one step.
#include "export/file_replacement.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

#include <algorithm>
#include <string>

namespace tavrel::exporting {
namespace {

QString qtPath(const std::filesystem::path& path)
{
    return QString::fromStdWString(path.wstring());
}

std::wstring nativeOf(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

// A symbolic link stays a link: the file it leads to is the one replaced.
QString targetOf(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymbolicLink() && info.exists() ? info.canonicalFilePath() : path;
}

struct TemporaryFile {
    std::wstring path;
    HANDLE handle = INVALID_HANDLE_VALUE;
};

// A new file beside the target, so that the replacement stays within one volume. On failure
// the handle is invalid and GetLastError() says why.
TemporaryFile createTemporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    for (;;) {
        const QString name = QString(".%1.%2").arg(
            info.fileName(), QString::number(QRandomGenerator::global()->generate(), 36));
        std::wstring path = nativeOf(info.dir().filePath(name));
        const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
        return {std::move(path), handle};
    }
}

// Writes every byte, flushes it to the disk and closes the file: 0, or the first error.
DWORD fillAndClose(HANDLE file, const QByteArray& content)
{
    DWORD error = 0;
    for (qsizetype done = 0; done < content.size() && error == 0;) {
        const DWORD chunk = DWORD(std::min<qsizetype>(content.size() - done, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, content.constData() + done, chunk, &written, nullptr))
            error = GetLastError();
        done += written;
    }
    // A network share or a full quota may report the lack of space only here.
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    return error;
}

// An existing file is replaced keeping its attributes, security and creation time, as a saved
// document keeps them on Windows; a new one is moved into place. Either way the target stays
// whole until the new content takes its name.
DWORD putInPlace(const std::wstring& temporary, const std::wstring& target, bool replaces)
{
    if (replaces && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return 0;
    if (!replaces && MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return GetLastError();
}

}  // namespace

int replaceFile(const std::filesystem::path& path, const QByteArray& content)
{
    const QString target = targetOf(qtPath(path));
    const std::wstring nativeTarget = nativeOf(target);
    const DWORD attributes = GetFileAttributesW(nativeTarget.c_str());
    const bool replaces = attributes != INVALID_FILE_ATTRIBUTES;
    // A folder, and a read-only file although its folder would let it be replaced, are kept,
    // with the reason Windows gives for writing to either.
    if (replaces && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return int(ERROR_ACCESS_DENIED);

    const TemporaryFile temporary = createTemporaryBeside(target);
    if (temporary.handle == INVALID_HANDLE_VALUE) return int(GetLastError());
    DWORD error = fillAndClose(temporary.handle, content);
    if (error == 0) error = putInPlace(temporary.path, nativeTarget, replaces);
    if (error == 0) return 0;
    DeleteFileW(temporary.path.c_str());
    return int(error);
}

QString systemReason(int error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = length ? QString::fromWCharArray(text, int(length))
                                  : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    return reason;
}

}  // namespace tavrel::exporting
