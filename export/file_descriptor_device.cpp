#include "export/file_descriptor_device.h"

#include <unistd.h>

#include <cerrno>

namespace tavrel::exporting {

FileDescriptorDevice::FileDescriptorDevice(int fd) : fd_(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FileDescriptorDevice::readData(char*, qint64) { return -1; }

qint64 FileDescriptorDevice::writeData(const char* data, qint64 size)
{
    // After one failure nothing more is written: the file would have a gap.
    if (systemError_ != 0) return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t written = ::write(fd_, data + done, size_t(size - done));
        if (written < 0) {
            if (errno == EINTR) continue;
            systemError_ = errno;
            return -1;
        }
        // A short write means the disk or the file size limit was reached; the next write
        // says why.
        done += written;
    }
    return done;
}

}  // namespace tavrel::exporting
