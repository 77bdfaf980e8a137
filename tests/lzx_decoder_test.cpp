// LZX frames written bit by bit: stored and verbatim blocks decode to their bytes, and bits that
// ask for more than they give, or for bytes outside the window, are refused.
#include "helpview/lzx_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using tavrel::help::LzxDecoder;

namespace {

// Bits from the top of 16-bit little-endian words, as LZX reads them.
class BitWriter {
public:
    BitWriter& bits(std::uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            if (used_ % 16 == 0) words_.push_back(0);
            if (value >> i & 1) words_.back() |= std::uint16_t(0x8000 >> used_ % 16);
            ++used_;
        }
        return *this;
    }
    // Pads to the next word (a whole one when already there), then bytes as they are.
    BitWriter& stored(const std::string& bytes)
    {
        bits(0, 16 - used_ % 16);
        for (const std::uint16_t word : words_) {
            bytes_.push_back(std::uint8_t(word));
            bytes_.push_back(std::uint8_t(word >> 8));
        }
        words_.clear();
        used_ = 0;
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    std::vector<std::uint8_t> done()
    {
        stored("");
        return bytes_;
    }

private:
    std::vector<std::uint16_t> words_;
    int used_ = 0;
    std::vector<std::uint8_t> bytes_;
};

BitWriter& blockHeader(BitWriter& out, int type, std::uint32_t length)
{
    return out.bits(type, 3).bits(length >> 8, 16).bits(length & 0xff, 8);
}

std::string littleEndian(std::uint32_t value)
{
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// A stored block of `bytes` whose three recent match offsets are `offset`.
BitWriter& storedBlock(BitWriter& out, const std::string& bytes, std::uint32_t offset = 1)
{
    blockHeader(out, 3, std::uint32_t(bytes.size()));
    const std::string recent = littleEndian(offset) + littleEndian(offset) + littleEndian(offset);
    return out.stored(recent + bytes + (bytes.size() % 2 ? std::string(1, '\0') : ""));
}

// A code's lengths through the pretree: symbol 0 keeps a length at 0, 16 turns 0 into 1, and 18
// with 5 bits skips 20 to 51 zeros. Pretree codes: 18 is 0, 0 is 10, 16 is 11.
void lengths(BitWriter& out, const std::vector<int>& ones, int count)
{
    const auto isOne = [&ones](int at) {
        return std::find(ones.begin(), ones.end(), at) != ones.end();
    };
    for (int symbol = 0; symbol < 20; ++symbol)
        out.bits(symbol == 18 ? 1 : symbol == 0 || symbol == 16 ? 2 : 0, 4);
    for (int at = 0; at < count;) {
        int zeros = 0;
        while (at + zeros < count && zeros < 51 && !isOne(at + zeros)) ++zeros;
        if (zeros >= 20) {
            out.bits(0, 1).bits(zeros - 20, 5);
            at += zeros;
        } else {
            out.bits(isOne(at) ? 3 : 2, 2);
            ++at;
        }
    }
}

// A verbatim block in a 32 KiB window whose only symbols are the literal 'A' (code 0) and a
// two-byte match at the most recent offset (code 1); `items` are those codes.
BitWriter& verbatimBlock(BitWriter& out, std::uint32_t length, const std::vector<int>& items)
{
    blockHeader(out, 1, length);
    lengths(out, {'A'}, 256);
    lengths(out, {0}, 8 * 30);
    lengths(out, {}, 249);
    for (const int item : items) out.bits(item, 1);
    return out;
}

std::string decoded(const std::vector<std::uint8_t>& input, std::size_t size)
{
    LzxDecoder decoder(15);
    std::vector<std::uint8_t> frame(size);
    if (!decoder.decodeFrame(input, frame)) return "refused";
    return std::string(frame.begin(), frame.end());
}

TEST(LzxDecoder, StoredAndVerbatimBlocksDecode)
{
    BitWriter stored;
    storedBlock(stored.bits(0, 1), "Tavrel");
    EXPECT_EQ(decoded(stored.done(), 6), "Tavrel");

    BitWriter odd;
    storedBlock(storedBlock(odd.bits(0, 1), "odd"), "even");
    EXPECT_EQ(decoded(odd.done(), 7), "oddeven");

    // 'A', then the match copies it twice at offset 1.
    BitWriter verbatim;
    verbatimBlock(verbatim.bits(0, 1), 3, {0, 1});
    EXPECT_EQ(decoded(verbatim.done(), 3), "AAA");
}

TEST(LzxDecoder, BitsThatDoNotAddUpAreRefused)
{
    BitWriter shortStored;
    blockHeader(shortStored.bits(0, 1), 3, 10).stored(std::string(12, '\1') + "Tavrel");
    EXPECT_EQ(decoded(shortStored.done(), 10), "refused");

    BitWriter noSuchBlock;
    blockHeader(noSuchBlock.bits(0, 1), 5, 4);
    EXPECT_EQ(decoded(noSuchBlock.done(), 4), "refused");

    // A match two bytes long where one byte is left.
    BitWriter overlong;
    verbatimBlock(overlong.bits(0, 1), 2, {0, 1});
    EXPECT_EQ(decoded(overlong.done(), 2), "refused");

    // The stored block sets the match offset far beyond the 32 KiB window.
    BitWriter farBack;
    storedBlock(farBack.bits(0, 1), "x", 0x7fffffff);
    verbatimBlock(farBack, 2, {1});
    EXPECT_EQ(decoded(farBack.done(), 3), "refused");

    // A frame longer than its bits.
    BitWriter cutOff;
    verbatimBlock(cutOff.bits(0, 1), 30000, {0});
    EXPECT_EQ(decoded(cutOff.done(), 30000), "refused");
}

}  // namespace
