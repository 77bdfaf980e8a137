// The atomic replacement with Windows' own calls: the content goes to a new file beside the
// target, reaches the disk, and then takes the target's place in one step.
#include "export/export_file.h"

#include "platform/reason_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <windows.h>

#include <algorithm>
#include <string>

namespace tavrel::exporting {
namespace {

// Stands for an encoder that failed without an error of the system.
constexpr DWORD kNotEncoded = DWORD(-1);

QString systemReason(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = length ? QString::fromWCharArray(text, int(length))
                                  : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    return reason;
}

QString failure(const QString& path, DWORD error)
{
    if (error == kNotEncoded)
        return QCoreApplication::translate("ExportFile",
                                           "Cannot write \"%1\": the picture could not be encoded.")
            .arg(path);
    //: %2 is the system's reason, such as "No space left on device".
    return QCoreApplication::translate("ExportFile", "Cannot write \"%1\": %2.")
        .arg(path, platform::withoutFullStop(systemReason(error)));
}

std::wstring nativeOf(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

// An open file as a device that writes straight through and remembers the first error, so that
// a failed write cannot go unnoticed even when an encoder ignores it.
class HandleDevice : public QIODevice {
public:
    explicit HandleDevice(HANDLE file) : file_(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    DWORD systemError() const { return systemError_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        // After one failure nothing more is written: the file would have a gap.
        if (systemError_ != 0) return -1;
        qint64 done = 0;
        while (done < size) {
            const DWORD chunk = DWORD(std::min<qint64>(size - done, 1 << 30));
            DWORD written = 0;
            if (!WriteFile(file_, data + done, chunk, &written, nullptr)) {
                systemError_ = GetLastError();
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
    HANDLE file_;
    DWORD systemError_ = 0;
};

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

// Fills the temporary file and closes it. 0 when every byte is on the disk, otherwise the
// system's error of the first failure, or kNotEncoded.
DWORD fillAndClose(HANDLE file, const std::function<bool(QIODevice&)>& write)
{
    HandleDevice device(file);
    const bool written = write(device);
    DWORD error = device.systemError();
    if (error == 0 && !written) error = kNotEncoded;
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

QString saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    const QString target = targetOf(path);
    const std::wstring nativeTarget = nativeOf(target);
    const DWORD attributes = GetFileAttributesW(nativeTarget.c_str());
    const bool replaces = attributes != INVALID_FILE_ATTRIBUTES;
    // A folder, and a read-only file although its folder would let it be replaced, are kept,
    // with the reason Windows gives for writing to either.
    if (replaces && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return failure(path, ERROR_ACCESS_DENIED);

    const TemporaryFile temporary = createTemporaryBeside(target);
    if (temporary.handle == INVALID_HANDLE_VALUE) return failure(path, GetLastError());
    DWORD error = fillAndClose(temporary.handle, write);
    if (error == 0) error = putInPlace(temporary.path, nativeTarget, replaces);
    if (error == 0) return {};
    DeleteFileW(temporary.path.c_str());
    return failure(path, error);
}

}  // namespace tavrel::exporting
