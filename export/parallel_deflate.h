#pragma once
// One zlib stream compressed in pieces, several at a time: each piece is raw deflate that ends
// on a byte boundary without ending the stream, so the pieces joined in order are the one
// stream, and its checksum is combined from theirs. The largest PNG's rows take most of its
// export to compress; on two cores, two pieces compress while the next is drawn.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace tavrel::exporting {

class ParallelDeflate {
public:
    // Takes each part of the stream in order, from the thread that adds the pieces; false stops
    // the stream.
    using Sink = std::function<bool(const unsigned char* data, std::size_t size)>;

    // At most `inFlight` pieces compress at once (at least one).
    ParallelDeflate(Sink sink, unsigned inFlight);
    ~ParallelDeflate();
    ParallelDeflate(const ParallelDeflate&) = delete;
    ParallelDeflate& operator=(const ParallelDeflate&) = delete;

    // Starts compressing `piece`, the next bytes of the data, and leaves it empty, holding the
    // memory of an earlier piece for the next one. False once anything has failed.
    bool add(std::vector<unsigned char>& piece);
    // Hands on every piece, the stream's end and its checksum; false if anything failed.
    bool finish();

private:
    class Piece;
    bool handOnOldest();
    bool handOn(const unsigned char* data, std::size_t size);

    Sink sink_;
    unsigned inFlight_;
    std::vector<std::unique_ptr<Piece>> pieces_;  // oldest first
    std::vector<std::unique_ptr<Piece>> spare_;   // handed on, their memory kept for reuse
    bool started_ = false;
    bool failed_ = false;
    unsigned long checksum_;
};

}  // namespace tavrel::exporting
