#include "export/export_file.h"

#include "export/file_descriptor_device.h"
#include "platform/reason_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tavrel::exporting {
namespace {

// Stands for an encoder that failed without an error of the system.
constexpr int kNotEncoded = -1;

QString failure(const QString& path, int error)
{
    if (error == kNotEncoded)
        return QCoreApplication::translate("ExportFile",
                                           "Cannot write \"%1\": the picture could not be encoded.")
            .arg(path);
    //: %2 is the system's reason, such as "No space left on device".
    return QCoreApplication::translate("ExportFile", "Cannot write \"%1\": %2.")
        .arg(path, platform::withoutFullStop(QString::fromLocal8Bit(std::strerror(error))));
}

// A symbolic link stays a link: the file it leads to is the one replaced.
QByteArray targetOf(const QString& path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : path);
}

struct TemporaryFile {
    QByteArray path;
    int fd = -1;
};

// A hidden new file beside the target, so that the final rename stays within one filesystem.
// It gets the permissions of the file it will replace; a new one gets mode 0666 less the umask,
// as any new file does. On failure fd is -1 and errno says why.
TemporaryFile createTemporaryBeside(const QByteArray& target, const struct stat* replaced)
{
    const QFileInfo info(QFile::decodeName(target));
    for (;;) {
        const QString name = QString(".%1.%2").arg(
            info.fileName(), QString::number(QRandomGenerator::global()->generate(), 36));
        const QByteArray path = QFile::encodeName(info.dir().filePath(name));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd >= 0 && replaced && ::fchmod(fd, replaced->st_mode & 07777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(path.constData());
            errno = error;
            return {path, -1};
        }
        return {path, fd};
    }
}

// Fills the temporary file and closes it. 0 when every byte is on the disk, otherwise the
// errno of the first failure, or kNotEncoded.
int fillAndClose(int fd, const std::function<bool(QIODevice&)>& write)
{
    FileDescriptorDevice device(fd);
    const bool written = write(device);
    int error = device.systemError();
    if (error == 0 && !written) error = kNotEncoded;
    // Some filesystems (network ones, quotas) report a full disk only here. EINVAL: the
    // filesystem cannot sync at all, which loses nothing that was written.
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace

QString saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    const QByteArray target = targetOf(path);
    struct stat existing {};
    const bool replaces = ::stat(target.constData(), &existing) == 0;
    if (replaces && S_ISDIR(existing.st_mode)) return failure(path, EISDIR);
    // A write-protected file is kept, although its folder would let it be replaced.
    if (replaces && ::access(target.constData(), W_OK) != 0) return failure(path, errno);

    const TemporaryFile temporary = createTemporaryBeside(target, replaces ? &existing : nullptr);
    if (temporary.fd < 0) return failure(path, errno);
    int error = fillAndClose(temporary.fd, write);
    if (error == 0 && ::rename(temporary.path.constData(), target.constData()) != 0) error = errno;
    if (error == 0) return {};
    ::unlink(temporary.path.constData());
    return failure(path, error);
}

}  // namespace tavrel::exporting
