#include "png_export.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tavrel::app {
namespace {

constexpr double kMetresPerInch = 0.0254;

[[noreturn]] void onPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onPngWarning(png_structp, png_const_charp) {}

void writeToDevice(png_structp png, png_bytep data, size_t length)
{
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        png_error(png, "write failed");
}

void flushDevice(png_structp) {}

// libpng reports errors by a long jump back to the last setjmp. Each call into it therefore
// sits in a small member with nothing to destroy between the setjmp and libpng.
class PngWriter {
public:
    explicit PngWriter(QIODevice& device)
    {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
        if (png_) info_ = png_create_info_struct(png_);
        if (info_) png_set_write_fn(png_, &device, writeToDevice, flushDevice);
    }
    ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // One-bit grayscale, 1 is white.
    bool writeHeader(int width, int height, int dotsPerInch)
    {
        if (!info_) return false;
        if (setjmp(png_jmpbuf(png_))) return false;
        png_set_IHDR(png_, info_, png_uint_32(width), png_uint_32(height), 1, PNG_COLOR_TYPE_GRAY,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        const auto pixelsPerMetre = png_uint_32(std::lround(dotsPerInch / kMetresPerInch));
        png_set_pHYs(png_, info_, pixelsPerMetre, pixelsPerMetre, PNG_RESOLUTION_METER);
        // A pattern is long runs of white: run-length matching packs it smaller and faster
        // than the default search.
        png_set_compression_strategy(png_, Z_RLE);
        png_write_info(png_, info_);
        return true;
    }

    bool writeRow(const unsigned char* row)
    {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_row(png_, row);
        return true;
    }

    bool finish()
    {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_end(png_, info_);
        return true;
    }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Qt's one-pixel line drawing cuts each segment at the edges of the device, and a cut segment
// can light other pixels than the whole one. A strip is therefore drawn on a taller canvas that
// reaches this many rows beyond it on either side (never beyond the picture, whose own edges cut
// as in one render of the whole). An arc is drawn as at most 64 segments a quarter circle, and
// the largest radius the arc primitive accepts (2M at M = 6553) makes them about 320 rows tall.
constexpr int kStripMargin = 512;

// Picture rows top .. top + rows - 1, drawn on `canvas`, whose first row is picture row
// `canvasTop`, exactly as one render of the whole picture would draw them.
void renderRows(const platform::PersistentImage& image, int top, int rows, QImage& canvas,
                int canvasTop)
{
    QPainter painter(&canvas);
    painter.translate(0, -canvasTop);
    platform::replay(image, painter, QRectF(0, top, canvas.width(), rows),
                     platform::LineWidth::OneDevicePixel);
}

// Eight pixels a byte, leftmost in the high bit; light pixels become 1 (white).
void packRow(const uchar* gray, int width, std::vector<unsigned char>& bits)
{
    constexpr std::uint64_t kEightWhite = ~std::uint64_t(0);
    for (int x = 0, byte = 0; x < width; x += 8, ++byte) {
        const int count = std::min(8, width - x);
        std::uint64_t block = 0;
        if (count == 8) std::memcpy(&block, gray + x, 8);
        if (block == kEightWhite) {  // most of a pattern is paper: the quick way
            bits[size_t(byte)] = 0xFF;
            continue;
        }
        unsigned bitsOfByte = 0;
        for (int k = 0; k < count; ++k) bitsOfByte |= unsigned(gray[x + k] >= 128) << (7 - k);
        bits[size_t(byte)] = static_cast<unsigned char>(bitsOfByte);
    }
}

}  // namespace

bool writePng(const platform::PersistentImage& image, int dotsPerInch, QIODevice& device,
              int stripRows)
{
    const int width = image.size.width();
    const int height = image.size.height();
    if (width <= 0 || height <= 0 || stripRows <= 0) return false;

    PngWriter writer(device);
    if (!writer.writeHeader(width, height, dotsPerInch)) return false;

    const int canvasRows = std::min(height, stripRows + 2 * kStripMargin);
    QImage canvas(width, canvasRows, QImage::Format_Grayscale8);
    if (canvas.isNull()) return false;
    std::vector<unsigned char> bits((size_t(width) + 7) / 8);
    for (int top = 0; top < height; top += stripRows) {
        const int rows = std::min(stripRows, height - top);
        const int canvasTop = std::clamp(top - kStripMargin, 0, height - canvasRows);
        renderRows(image, top, rows, canvas, canvasTop);
        for (int y = top; y < top + rows; ++y) {
            packRow(canvas.constScanLine(y - canvasTop), width, bits);
            if (!writer.writeRow(bits.data())) return false;
        }
    }
    return writer.finish();
}

}  // namespace tavrel::app
