#include "export/dxf_device_writer.h"

#include <QIODevice>

#include <charconv>
#include <cstdio>
#include <cstring>

// No file name: the base class's own stream stays closed and unused.
DxfDeviceWriter::DxfDeviceWriter(QIODevice& device)
    : DL_WriterA("", DL_Codes::AC1015), device_(device)
{
}

void DxfDeviceWriter::dxfReal(int gc, double value) const
{
    // The shortest text that reads back as the same double, in the C locale's fixed notation,
    // which every DXF reader accepts.
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text - 3, value, std::chars_format::fixed);
    char* last = end.ptr;
    if (std::memchr(text, '.', std::size_t(last - text)) == nullptr) {
        *last++ = '.';
        *last++ = '0';
    }
    *last = '\0';
    write(gc, text);
}

void DxfDeviceWriter::dxfInt(int gc, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    write(gc, text);
}

void DxfDeviceWriter::dxfHex(int gc, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(value));
    write(gc, text);
}

void DxfDeviceWriter::dxfString(int gc, const char* value) const
{
    write(gc, value);
}

void DxfDeviceWriter::dxfString(int gc, const std::string& value) const
{
    write(gc, value.c_str());
}

void DxfDeviceWriter::write(int gc, const char* value) const
{
    if (failed_) return;
    char code[16];
    const int length = std::snprintf(code, sizeof code, "%3d\n", gc);
    const qint64 size = qint64(std::strlen(value));
    failed_ = device_.write(code, length) != length || device_.write(value, size) != size ||
              !device_.putChar('\n');
}
