#include "helpview/lzx_decoder.h"

#include <algorithm>

namespace tavrel::help {
namespace {

enum BlockType { kVerbatim = 1, kAligned = 2, kUncompressed = 3 };

constexpr int kLiterals = 256;
constexpr std::uint32_t kShortestMatch = 2;
constexpr int kPretreeSymbols = 20;

// Match offsets come as a position slot, its base and that many extra bits.
constexpr std::array<std::uint8_t, 51> kExtraBits = {
    0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,  7,
    7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15,
    16, 16, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17};
constexpr std::array<std::uint32_t, 51> kPositionBase = {
    0,       1,       2,       3,       4,       6,       8,      12,     16,     24,      32,
    48,      64,      96,      128,     192,     256,     384,    512,    768,    1024,    1536,
    2048,    3072,    4096,    6144,    8192,    12288,   16384,  24576,  32768,  49152,   65536,
    98304,   131072,  196608,  262144,  393216,  524288,  655360, 786432, 917504, 1048576, 1179648,
    1310720, 1441792, 1572864, 1703936, 1835008, 1966080, 2097152};

int positionSlots(int windowBits)
{
    if (windowBits == 20) return 42;
    if (windowBits == 21) return 50;
    return 2 * windowBits;
}

std::uint32_t littleEndian32(const std::uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t(bytes[3]) << 24;
}

}  // namespace

LzxDecoder::LzxDecoder(int windowBits)
    : window_(std::size_t(1) << windowBits),
      mainLengths_(std::size_t(kLiterals + 8 * positionSlots(windowBits)))
{
    reset();
}

void LzxDecoder::reset()
{
    windowPos_ = 0;
    recentOffsets_ = {1, 1, 1};
    std::fill(mainLengths_.begin(), mainLengths_.end(), 0);
    lengthLengths_.fill(0);
    blockType_ = 0;
    blockLength_ = 0;
    blockRemaining_ = 0;
    headerRead_ = false;
    callFileSize_ = 0;
    callPosition_ = 0;
    callsStarted_ = false;
    framesDecoded_ = 0;
}

bool LzxDecoder::decodeFrame(std::span<const std::uint8_t> input, std::span<std::uint8_t> frame)
{
    LzxBitReader in(input);
    if (!headerRead_) {
        if (in.read(1)) {
            const std::uint32_t high = in.read(16);
            callFileSize_ = std::int32_t(high << 16 | in.read(16));
        }
        headerRead_ = true;
    }
    windowPos_ &= std::uint32_t(window_.size() - 1);
    if (frame.size() > window_.size() - windowPos_) return false;
    const std::uint32_t frameEnd = windowPos_ + std::uint32_t(frame.size());
    while (windowPos_ < frameEnd) {
        if (blockRemaining_ == 0 && !readBlockHeader(in)) return false;
        const std::uint32_t room = std::min(blockRemaining_, frameEnd - windowPos_);
        int decoded = 0;
        if (blockType_ == kUncompressed) {
            if (!in.readBytes(std::span(window_).subspan(windowPos_, room))) return false;
            decoded = int(room);
        } else {
            decoded = decodeLiteralOrMatch(in, room);
            if (decoded <= 0) return false;
        }
        windowPos_ += std::uint32_t(decoded);
        blockRemaining_ -= std::uint32_t(decoded);
    }
    if (in.overran()) return false;
    std::copy_n(window_.begin() + (frameEnd - frame.size()), frame.size(), frame.begin());
    undoCallTranslation(frame);
    return true;
}

bool LzxDecoder::readBlockHeader(LzxBitReader& in)
{
    if (blockType_ == kUncompressed && blockLength_ % 2 == 1) in.skipByte();
    blockType_ = int(in.read(3));
    const std::uint32_t high = in.read(16);
    blockLength_ = blockRemaining_ = high << 8 | in.read(8);
    if (blockLength_ == 0) return false;
    switch (blockType_) {
        case kAligned:
            for (std::uint8_t& length : alignedLengths_) length = std::uint8_t(in.read(3));
            if (!alignedCode_.build(alignedLengths_)) return false;
            [[fallthrough]];
        case kVerbatim: {
            const std::span main(mainLengths_);
            if (!readLengths(in, main.first(kLiterals)) ||
                !readLengths(in, main.subspan(kLiterals)) || !mainCode_.build(main))
                return false;
            if (mainLengths_[0xE8] != 0) callsStarted_ = true;
            return readLengths(in, lengthLengths_) && lengthCode_.build(lengthLengths_) &&
                   !in.overran();
        }
        case kUncompressed: {
            callsStarted_ = true;
            in.alignToBytes();
            std::array<std::uint8_t, 12> offsets{};
            if (!in.readBytes(offsets)) return false;
            for (std::size_t i = 0; i < recentOffsets_.size(); ++i)
                recentOffsets_[i] = littleEndian32(&offsets[4 * i]);
            return true;
        }
        default:
            return false;
    }
}

// A tree's code lengths, sent as changes to the previous block's through a small code of their
// own, with runs of zeros and of one value.
bool LzxDecoder::readLengths(LzxBitReader& in, std::span<std::uint8_t> lengths) const
{
    std::array<std::uint8_t, kPretreeSymbols> pretreeLengths{};
    for (std::uint8_t& length : pretreeLengths) length = std::uint8_t(in.read(4));
    LzxCode pretree;
    if (!pretree.build(pretreeLengths)) return false;
    const auto changed = [](std::uint8_t length, int change) {
        return std::uint8_t((length + 17 - change) % 17);
    };
    for (std::size_t i = 0; i < lengths.size();) {
        const int symbol = pretree.decode(in);
        if (symbol < 0) return false;
        if (symbol <= 16) {
            lengths[i] = changed(lengths[i], symbol);
            ++i;
            continue;
        }
        std::uint32_t run = 0;
        std::uint8_t value = 0;
        if (symbol == 17) {
            run = 4 + in.read(4);
        } else if (symbol == 18) {
            run = 20 + in.read(5);
        } else {
            run = 4 + in.read(1);
            const int change = pretree.decode(in);
            if (change < 0 || change > 16) return false;
            value = changed(lengths[i], change);
        }
        if (run > lengths.size() - i) return false;
        std::fill_n(lengths.begin() + std::ptrdiff_t(i), run, value);
        i += run;
    }
    return true;
}

// One literal or one match, which must fit in `room`; the bytes it made, or -1.
int LzxDecoder::decodeLiteralOrMatch(LzxBitReader& in, std::uint32_t room)
{
    int symbol = mainCode_.decode(in);
    if (symbol < 0) return -1;
    if (symbol < kLiterals) {
        window_[windowPos_] = std::uint8_t(symbol);
        return 1;
    }
    symbol -= kLiterals;
    std::uint32_t length = std::uint32_t(symbol & 7);
    if (length == 7) {
        const int footer = lengthCode_.decode(in);
        if (footer < 0) return -1;
        length += std::uint32_t(footer);
    }
    length += kShortestMatch;

    const std::size_t slot = std::size_t(symbol >> 3);
    auto& [r0, r1, r2] = recentOffsets_;
    std::uint32_t offset = 0;
    if (slot > 2) {
        const int extra = kExtraBits[slot];
        offset = kPositionBase[slot] - 2;
        if (blockType_ == kAligned && extra >= 3) {
            offset += in.read(extra - 3) << 3;
            const int aligned = alignedCode_.decode(in);
            if (aligned < 0) return -1;
            offset += std::uint32_t(aligned);
        } else {
            offset += in.read(extra);
        }
        r2 = r1;
        r1 = r0;
        r0 = offset;
    } else if (slot == 0) {
        offset = r0;
    } else {
        std::uint32_t& recent = slot == 1 ? r1 : r2;
        offset = recent;
        recent = r0;
        r0 = offset;
    }
    if (offset == 0 || offset > window_.size() || length > room) return -1;

    const std::size_t mask = window_.size() - 1;
    const std::size_t from = (windowPos_ - offset) & mask;
    for (std::size_t i = 0; i < length; ++i) window_[windowPos_ + i] = window_[(from + i) & mask];
    return int(length);
}

// Compressors may turn the targets of x86 call instructions (0xE8) into absolute addresses;
// the first bit of the stream says so. Turned back here, in the first 32768 frames.
void LzxDecoder::undoCallTranslation(std::span<std::uint8_t> frame)
{
    if (framesDecoded_++ >= 32768 || callFileSize_ == 0) return;
    std::int64_t position = callPosition_;
    callPosition_ += std::int64_t(frame.size());
    if (frame.size() <= 10 || !callsStarted_) return;
    for (std::size_t i = 0; i < frame.size() - 10;) {
        if (frame[i] != 0xE8) {
            ++i;
            ++position;
            continue;
        }
        const auto absolute = std::int64_t(std::int32_t(littleEndian32(&frame[i + 1])));
        if (absolute >= -position && absolute < callFileSize_) {
            const std::int64_t relative =
                absolute >= 0 ? absolute - position : absolute + callFileSize_;
            for (int byte = 0; byte < 4; ++byte)
                frame[i + 1 + std::size_t(byte)] =
                    std::uint8_t(std::uint64_t(relative) >> (8 * byte));
        }
        i += 5;
        position += 5;
    }
}

}  // namespace tavrel::help
