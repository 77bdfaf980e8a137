#include "export/parallel_deflate.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using tavrel::exporting::ParallelDeflate;
using Bytes = std::vector<unsigned char>;

// The pieces compressed with `inFlight` at a time, joined, then read back by zlib itself, which
// checks the stream's checksum.
Bytes roundTrip(const std::vector<Bytes>& pieces, unsigned inFlight, bool& finished)
{
    Bytes stream;
    ParallelDeflate deflate(
        [&stream](const unsigned char* data, std::size_t size) {
            stream.insert(stream.end(), data, data + size);
            return true;
        },
        inFlight);
    for (Bytes piece : pieces) EXPECT_TRUE(deflate.add(piece));
    finished = deflate.finish();
    std::size_t total = 0;
    for (const Bytes& piece : pieces) total += piece.size();
    Bytes read(total + 1);
    uLongf readSize = uLongf(read.size());
    EXPECT_EQ(uncompress(read.data(), &readSize, stream.data(), uLong(stream.size())), Z_OK);
    read.resize(readSize);
    return read;
}

TEST(ParallelDeflate, PiecesJoinIntoOneStreamWithItsChecksum)
{
    std::mt19937 random(7);
    const auto piece = [&random](std::size_t size, bool runs) {
        Bytes bytes(size, 0xFF);
        if (!runs)
            for (auto& byte : bytes) byte = static_cast<unsigned char>(random());
        return bytes;
    };
    const std::vector<std::vector<Bytes>> cases = {
        {},
        {piece(1, false)},
        {piece(70000, true), piece(3, false), piece(100000, false), piece(1, true)},
        {piece(5000, false), piece(5000, true), piece(5000, false), piece(5000, true),
         piece(5000, false)},
    };
    for (const unsigned inFlight : {1u, 2u, 3u}) {
        for (const auto& pieces : cases) {
            bool finished = false;
            const Bytes read = roundTrip(pieces, inFlight, finished);
            Bytes whole;
            for (const Bytes& p : pieces) whole.insert(whole.end(), p.begin(), p.end());
            EXPECT_TRUE(finished);
            EXPECT_EQ(read, whole) << pieces.size() << " pieces, " << inFlight << " at a time";
        }
    }
}

TEST(ParallelDeflate, StopsWhenTheSinkRefuses)
{
    int calls = 0;
    ParallelDeflate deflate([&calls](const unsigned char*, std::size_t) { return ++calls < 2; }, 1);
    Bytes piece(1000, 1);
    EXPECT_TRUE(deflate.add(piece));
    piece.assign(1000, 2);
    EXPECT_FALSE(deflate.add(piece));  // the first piece is handed on as the second starts
    piece.assign(1000, 3);
    EXPECT_FALSE(deflate.add(piece));
    EXPECT_FALSE(deflate.finish());
}

}  // namespace
