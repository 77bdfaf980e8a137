#include "export/parallel_deflate.h"

#include <zlib.h>

#include <algorithm>
#include <thread>

namespace tavrel::exporting {
namespace {

// A zlib header for a 32 KiB window, marked as compressed the fastest way.
constexpr unsigned char kZlibHeader[] = {0x78, 0x01};
// A last, empty block with fixed codes: what ends the joined stream.
constexpr unsigned char kLastBlock[] = {0x03, 0x00};

}  // namespace

// A piece and its compressor, kept for the next piece once handed on: zlib's tables and the
// buffers are a few hundred kilobytes that would otherwise be fresh memory for every piece.
class ParallelDeflate::Piece {
public:
    Piece() = default;
    ~Piece()
    {
        if (ready_) deflateEnd(&stream_);
    }
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    std::vector<unsigned char> input, output;
    unsigned long checksum = 0;
    bool compressed = false;
    std::thread worker;

    // A pattern is long runs of paper: run-length matching packs it smaller and faster than the
    // default search.
    void compress()
    {
        compressed = false;
        checksum = adler32_z(adler32(0, nullptr, 0), input.data(), input.size());
        if (ready_)
            ready_ = deflateReset(&stream_) == Z_OK;
        else
            ready_ = deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                                  Z_RLE) == Z_OK;
        if (!ready_) return;
        // The bound of a whole stream, and room for the empty block a flush ends on.
        output.resize(deflateBound(&stream_, uLong(input.size())) + 16);
        stream_.next_in = input.data();
        stream_.avail_in = uInt(input.size());
        stream_.next_out = output.data();
        stream_.avail_out = uInt(output.size());
        // A flush that runs out of room is not finished: room must be left over.
        compressed = deflate(&stream_, Z_SYNC_FLUSH) == Z_OK && stream_.avail_in == 0 &&
                     stream_.avail_out > 0;
        output.resize(output.size() - stream_.avail_out);
    }

private:
    z_stream stream_{};
    bool ready_ = false;
};

ParallelDeflate::ParallelDeflate(Sink sink, unsigned inFlight)
    : sink_(std::move(sink)), inFlight_(std::max(1u, inFlight)), checksum_(adler32(0, nullptr, 0))
{
}

ParallelDeflate::~ParallelDeflate()
{
    for (const auto& piece : pieces_)
        if (piece->worker.joinable()) piece->worker.join();
}

bool ParallelDeflate::add(std::vector<unsigned char>& data)
{
    if (failed_) return false;
    std::unique_ptr<Piece> piece;
    if (spare_.empty()) {
        piece = std::make_unique<Piece>();
    } else {
        piece = std::move(spare_.back());
        spare_.pop_back();
    }
    piece->input.swap(data);
    data.clear();
    Piece& started = *piece;
    pieces_.push_back(std::move(piece));
    started.worker = std::thread([&started] { started.compress(); });
    while (pieces_.size() > inFlight_ && !failed_) failed_ = !handOnOldest();
    return !failed_;
}

bool ParallelDeflate::handOnOldest()
{
    std::unique_ptr<Piece> piece = std::move(pieces_.front());
    pieces_.erase(pieces_.begin());
    piece->worker.join();
    const bool handedOn = piece->compressed && handOn(piece->output.data(), piece->output.size());
    checksum_ = adler32_combine(checksum_, piece->checksum, z_off_t(piece->input.size()));
    spare_.push_back(std::move(piece));
    return handedOn;
}

// The stream's header goes before its first bytes.
bool ParallelDeflate::handOn(const unsigned char* data, std::size_t size)
{
    if (!started_ && !sink_(kZlibHeader, sizeof kZlibHeader)) return false;
    started_ = true;
    return sink_(data, size);
}

bool ParallelDeflate::finish()
{
    while (!pieces_.empty() && !failed_) failed_ = !handOnOldest();
    if (failed_) return false;
    unsigned char end[sizeof kLastBlock + 4] = {kLastBlock[0], kLastBlock[1]};
    for (int byte = 0; byte < 4; ++byte)
        end[sizeof kLastBlock + byte] = static_cast<unsigned char>(checksum_ >> (24 - 8 * byte));
    return handOn(end, sizeof end);
}

}  // namespace tavrel::exporting
