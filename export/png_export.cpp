#include "export/png_export.h"

#include "export/parallel_deflate.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>

#include <png.h>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

#include <algorithm>
#include <bit>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>
#include <vector>

namespace tavrel::exporting {
namespace {

constexpr double kMetersPerInch = 0.0254;

[[noreturn]] void onPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}
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
        const auto pixelsPerMeter = png_uint_32(std::lround(dotsPerInch / kMetersPerInch));
        png_set_pHYs(png_, info_, pixelsPerMeter, pixelsPerMeter, PNG_RESOLUTION_METER);
        png_write_info(png_, info_);
        return true;
    }

    // The image data, compressed here rather than by libpng, which compresses on one thread.
    bool writeImageData(const unsigned char* data, size_t size)
    {
        return writeChunk("IDAT", data, size);
    }

    bool finish() { return writeChunk("IEND", nullptr, 0); }

private:
    bool writeChunk(const char* name, const unsigned char* data, size_t size)
    {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_chunk(png_, reinterpret_cast<png_const_bytep>(name), data, size);
        return true;
    }

    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Qt's one-pixel line drawing cuts each segment at the edges of the device, and a cut segment
// can light other pixels than the whole one. A strip is therefore drawn on a taller canvas that
// reaches this many rows beyond it on either side (never beyond the picture, whose own edges cut
// as in one render of the whole). An arc is drawn as at most 64 segments a quarter circle, and
// the largest radius the arc primitive accepts (2M at M = 6553) makes them about 320 rows tall.
constexpr int kStripMargin = 512;

// Rows are compressed a megabyte at a time: each piece costs a compressor of its own, and the
// largest pattern still gives dozens of them to share among the cores.
constexpr size_t kPieceBytes = size_t(1) << 20;

// The canvas of the largest patterns is tens of megabytes, touched once a page; in pages of
// two megabytes, where the system offers them, that costs a few hundred faults, not thousands.
class CanvasMemory {
    static constexpr size_t kHugePage = size_t(2) << 20;

public:
    explicit CanvasMemory(size_t bytes)
    {
        const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        data_ =
            static_cast<uchar*>(::operator new(rounded, std::align_val_t(kHugePage), std::nothrow));
#ifdef MADV_HUGEPAGE
        if (data_) madvise(data_, rounded, MADV_HUGEPAGE);
#endif
    }
    ~CanvasMemory()
    {
        ::operator delete(data_, std::align_val_t(kHugePage));
    }
    CanvasMemory(const CanvasMemory&) = delete;
    CanvasMemory& operator=(const CanvasMemory&) = delete;
    uchar* data() const
    {
        return data_;
    }

private:
    uchar* data_ = nullptr;
};

// Picture rows top .. top + rows - 1, drawn on `canvas` (white there already), whose first row
// is picture row `canvasTop`, exactly as one render of the whole picture would draw them.
void renderRows(const picture::PersistentImage& image, int top, int rows, QImage& canvas,
                int canvasTop)
{
    QPainter painter(&canvas);
    painter.translate(0, -canvasTop);
    picture::replay(image, painter, QRectF(0, top, canvas.width(), rows),
                    picture::LineWidth::OneDevicePixel, picture::Background::AlreadyFilled);
}

// Eight pixels a byte, leftmost in the high bit; light pixels (128 and up) become 1 (white).
// A light pixel is one whose high bit is set: eight of those bits, gathered by one
// multiplication, are a whole byte (each pixel's bit lands on its own place, so no carries).
unsigned char packEight(std::uint64_t pixels)
{
    constexpr std::uint64_t kHighBits = 0x0101010101010101;
    constexpr std::uint64_t kGather = (std::uint64_t(1) << 63) | (std::uint64_t(1) << 54) |
                                      (std::uint64_t(1) << 45) | (std::uint64_t(1) << 36) |
                                      (std::uint64_t(1) << 27) | (std::uint64_t(1) << 18) |
                                      (std::uint64_t(1) << 9) | 1;
    static_assert(std::endian::native == std::endian::little, "pixels are read eight at a time");
    return static_cast<unsigned char>((((pixels >> 7) & kHighBits) * kGather) >> 56);
}

// Packs a row and makes its pixels white again for the next strip.
void packRow(uchar* gray, int width, unsigned char* bits)
{
    const int whole = width / 8;
    int byte = 0;
    for (; byte + 4 <= whole; byte += 4) {
        std::uint64_t blocks[4];
        std::memcpy(blocks, gray + 8 * byte, sizeof blocks);
        if ((blocks[0] & blocks[1] & blocks[2] & blocks[3]) == ~std::uint64_t(0)) {
            std::memset(bits + byte, 0xFF, 4);  // most of a pattern is paper: the quick way
            continue;
        }
        for (int k = 0; k < 4; ++k) bits[byte + k] = packEight(blocks[k]);
        std::memset(gray + 8 * byte, 0xFF, sizeof blocks);
    }
    const int restFrom = byte;
    for (; byte < whole; ++byte) {
        std::uint64_t block;
        std::memcpy(&block, gray + 8 * byte, 8);
        bits[byte] = packEight(block);
    }
    if (const int rest = width % 8) {
        unsigned bitsOfByte = 0;
        for (int k = 0; k < rest; ++k)
            bitsOfByte |= unsigned(gray[8 * whole + k] >= 128) << (7 - k);
        bits[whole] = static_cast<unsigned char>(bitsOfByte);
    }
    std::memset(gray + 8 * restFrom, 0xFF, size_t(width - 8 * restFrom));
}

}  // namespace

bool writePng(const picture::PersistentImage& image, int dotsPerInch, QIODevice& device,
              int stripRows)
{
    const int width = image.size.width();
    const int height = image.size.height();
    if (width <= 0 || height <= 0 || stripRows <= 0) return false;

    PngWriter writer(device);
    if (!writer.writeHeader(width, height, dotsPerInch)) return false;

    const int canvasRows = std::min(height, stripRows + 2 * kStripMargin);
    const CanvasMemory memory(size_t(width) * size_t(canvasRows));
    if (!memory.data()) return false;
    QImage canvas(memory.data(), width, canvasRows, width, QImage::Format_Grayscale8);
    // The canvas is paper once; each strip's ink is made white again as it is packed, so no
    // strip paints the whole paper again.
    std::memset(memory.data(), 0xFF, size_t(width) * size_t(canvasRows));
    // Each row behind the filter byte that says it is stored as it is.
    const size_t rowBytes = (size_t(width) + 7) / 8;
    const size_t filteredRowBytes = rowBytes + 1;
    // Compressing takes about four times as long as drawing: the strips compress on the other
    // cores while this one draws the next.
    ParallelDeflate compressor([&writer](const unsigned char* data,
                                         size_t size) { return writer.writeImageData(data, size); },
                               std::thread::hardware_concurrency());
    std::vector<unsigned char> piece;
    for (int top = 0; top < height; top += stripRows) {
        const int rows = std::min(stripRows, height - top);
        const int canvasTop = std::clamp(top - kStripMargin, 0, height - canvasRows);
        renderRows(image, top, rows, canvas, canvasTop);
        const size_t pieceRows = piece.size() / filteredRowBytes;
        piece.resize(piece.size() + filteredRowBytes * size_t(rows), 0);
        for (int row = 0; row < rows; ++row)
            packRow(memory.data() + size_t(width) * size_t(top + row - canvasTop), width,
                    piece.data() + filteredRowBytes * (pieceRows + size_t(row)) + 1);
        if (piece.size() >= kPieceBytes && !compressor.add(piece)) return false;
    }
    if (!piece.empty() && !compressor.add(piece)) return false;
    if (!compressor.finish()) return false;
    return writer.finish();
}

}  // namespace tavrel::exporting
