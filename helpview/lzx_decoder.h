#pragma once
// LZX as compiled help files compress their content: frames of 32 KiB decoded one after another,
// each from its own stretch of compressed bytes, with the decoder reset at the points the help
// file names. Every length, offset and tree read from the bits is checked, so damaged or hostile
// bits end in a refusal, never in a read or write outside the window or the input.

#include "helpview/lzx_bits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavrel::help {

class LzxDecoder {
public:
    static constexpr std::size_t kFrameSize = 0x8000;

    // A window of 2^windowBits bytes, 15 to 21 bits.
    explicit LzxDecoder(int windowBits);

    // Forgets everything decoded, as at the start of the content and at each reset point.
    void reset();
    // Decodes the next frame.size() bytes (a whole frame of kFrameSize in a help file) from that
    // frame's compressed bytes. False when the bits are not LZX or run out.
    bool decodeFrame(std::span<const std::uint8_t> input, std::span<std::uint8_t> frame);

private:
    bool readBlockHeader(LzxBitReader& in);
    bool readLengths(LzxBitReader& in, std::span<std::uint8_t> lengths) const;
    int decodeLiteralOrMatch(LzxBitReader& in, std::uint32_t room);
    void undoCallTranslation(std::span<std::uint8_t> frame);

    std::vector<std::uint8_t> window_;
    std::uint32_t windowPos_ = 0;
    std::array<std::uint32_t, 3> recentOffsets_{};
    std::vector<std::uint8_t> mainLengths_;
    std::array<std::uint8_t, 249> lengthLengths_{};
    std::array<std::uint8_t, 8> alignedLengths_{};
    LzxCode mainCode_, lengthCode_, alignedCode_;
    int blockType_ = 0;
    std::uint32_t blockLength_ = 0;
    std::uint32_t blockRemaining_ = 0;
    // The x86 call translation the stream may ask for in its first bit.
    bool headerRead_ = false;
    std::int32_t callFileSize_ = 0;
    std::int64_t callPosition_ = 0;
    bool callsStarted_ = false;
    std::uint32_t framesDecoded_ = 0;
};

}  // namespace tavrel::help
