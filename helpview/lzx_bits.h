#pragma once
// What LZX is read with: its bit stream (16-bit little-endian words, most significant bit
// first) and its canonical Huffman codes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavrel::help {

class LzxBitReader {
public:
    explicit LzxBitReader(std::span<const std::uint8_t> input) : input_(input) {}

    // The next `count` bits (0 to 17) as a number. Past the end the stream reads as zeros, and
    // overran() then tells that the bits were not there.
    std::uint32_t read(int count);
    // The next `count` bits (1 to 17) without taking them; skip() takes them.
    std::uint32_t peek(int count);
    void skip(int count);
    bool overran() const { return 8 * pos_ > 8 * input_.size() + std::size_t(bits_); }

    // An uncompressed block's bytes start at the next 16-bit boundary; the bits up to it (a whole
    // word when already there) are padding.
    void alignToBytes();
    // Whole bytes, after alignToBytes(); false when they are not all there.
    bool readBytes(std::span<std::uint8_t> bytes);
    void skipByte() { ++pos_; }

private:
    void fillTo(int count);

    std::span<const std::uint8_t> input_;
    std::size_t pos_ = 0;       // the next byte not yet in the buffer
    std::uint32_t buffer_ = 0;  // bits not yet read, from the top
    int bits_ = 0;
};

// A canonical Huffman code as LZX sends it: a code length of 0 (unused) to 16 for each symbol.
class LzxCode {
public:
    // False when the lengths over- or under-fill the code. All zero makes a code that decodes
    // nothing: LZX sends one for blocks without long matches.
    bool build(std::span<const std::uint8_t> lengths);
    // The next symbol, or -1 when the bits name none.
    int decode(LzxBitReader& in) const;

private:
    static constexpr int kLongest = 16;
    // Codes up to this long decode in one look-up; longer ones bit by bit.
    static constexpr int kLookupBits = 10;
    struct Short {
        std::uint16_t symbol = 0;
        std::uint8_t length = 0;  // 0: the code is longer, or there is none
    };

    std::array<int, kLongest + 1> counts_{};
    std::vector<int> symbols_;                      // by code length, then by symbol
    std::array<Short, 1 << kLookupBits> lookup_{};  // by the next kLookupBits bits
};

}  // namespace tavrel::help
