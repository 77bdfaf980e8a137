#include "helpview/lzx_bits.h"

#include <algorithm>

namespace tavrel::help {

void LzxBitReader::fillTo(int count)
{
    while (bits_ < count) {
        const auto byteAt = [this](std::size_t i) { return i < input_.size() ? input_[i] : 0u; };
        buffer_ |= (byteAt(pos_) | byteAt(pos_ + 1) << 8) << (16 - bits_);
        bits_ += 16;
        pos_ += 2;
    }
}

std::uint32_t LzxBitReader::read(int count)
{
    if (count == 0) return 0;
    const std::uint32_t value = peek(count);
    skip(count);
    return value;
}

std::uint32_t LzxBitReader::peek(int count)
{
    fillTo(count);
    return buffer_ >> (32 - count);
}

void LzxBitReader::skip(int count)
{
    buffer_ <<= count;
    bits_ -= count;
}

void LzxBitReader::alignToBytes()
{
    fillTo(16);
    if (bits_ > 16) pos_ -= 2;
    buffer_ = 0;
    bits_ = 0;
}

bool LzxBitReader::readBytes(std::span<std::uint8_t> bytes)
{
    if (pos_ > input_.size() || bytes.size() > input_.size() - pos_) return false;
    std::copy_n(input_.begin() + std::ptrdiff_t(pos_), bytes.size(), bytes.begin());
    pos_ += bytes.size();
    return true;
}

bool LzxCode::build(std::span<const std::uint8_t> lengths)
{
    *this = LzxCode();  // a code that fails to build decodes nothing
    std::array<int, kLongest + 1> counts{};
    for (const std::uint8_t length : lengths) {
        if (length > kLongest) return false;
        ++counts[length];
    }
    int left = 1;  // codes of the current length still free
    for (int length = 1; length <= kLongest; ++length) {
        left = 2 * left - counts[length];
        if (left < 0) return false;
    }
    if (left != 0 && left != 1 << kLongest) return false;

    counts[0] = 0;
    counts_ = counts;
    for (int length = 1; length <= kLongest; ++length)
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
            if (lengths[symbol] == length) symbols_.push_back(int(symbol));
    std::size_t code = 0, next = 0;
    for (int length = 1; length <= kLookupBits; ++length) {
        const std::size_t spread = std::size_t(1) << (kLookupBits - length);
        for (int i = 0; i < counts_[length]; ++i, ++code, ++next)
            std::fill_n(lookup_.begin() + std::ptrdiff_t(code * spread), spread,
                        Short{std::uint16_t(symbols_[next]), std::uint8_t(length)});
        code <<= 1;
    }
    return true;
}

int LzxCode::decode(LzxBitReader& in) const
{
    const Short known = lookup_[in.peek(kLookupBits)];
    if (known.length) {
        in.skip(known.length);
        return known.symbol;
    }
    // Canonical codes of one length are consecutive numbers, after those of all shorter lengths.
    int code = 0, first = 0, index = 0;
    for (int length = 1; length <= kLongest; ++length) {
        code |= int(in.read(1));
        if (code - first < counts_[length]) return symbols_[std::size_t(index + code - first)];
        index += counts_[length];
        first = (first + counts_[length]) << 1;
        code <<= 1;
    }
    return -1;
}

}  // namespace tavrel::help
