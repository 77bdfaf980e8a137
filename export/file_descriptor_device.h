#pragma once
// An open file as a QIODevice that writes straight through to the system and remembers the
// first error, so that a failed write cannot go unnoticed even when an encoder ignores it.

#include <QIODevice>

namespace tavrel::exporting {

class FileDescriptorDevice : public QIODevice {
public:
    // Does not take ownership of `fd`.
    explicit FileDescriptorDevice(int fd);

    // The errno of the first failed write, or 0.
    int systemError() const { return systemError_; }

    // Encoders must not seek back over data that is already on its way to the disk.
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    int fd_;
    int systemError_ = 0;
};

}  // namespace tavrel::exporting
