#pragma once
// dxflib's ASCII group-code writer, sending its output to a device instead of the file stream of
// its own, which cannot tell a failed write: every write here is checked.

#include <dxflib/dl_writer_ascii.h>

class QIODevice;

class DxfDeviceWriter : public DL_WriterA {
public:
    explicit DxfDeviceWriter(QIODevice& device);

    // False once any write has failed; later writes are then skipped.
    bool succeeded() const { return !failed_; }

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

private:
    void write(int gc, const char* value) const;

    QIODevice& device_;
    mutable bool failed_ = false;
};
