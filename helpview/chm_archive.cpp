#include "helpview/chm_archive.h"

#include "helpview/lzx_decoder.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace tavrel::help {
namespace {

// The guides decompress to kilobytes; a section claiming more is damaged.
constexpr quint64 kLargestContent = 64 * 1024 * 1024;

constexpr quint64 kFrameSize = LzxDecoder::kFrameSize;
constexpr quint64 kDirectoryHeaderSize = 0x54;
constexpr quint64 kListingHeaderSize = 0x14;
constexpr quint64 kIndexHeaderSize = 8;

constexpr const char* kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr const char* kContent = "::DataSpace/Storage/MSCompressed/Content";
constexpr const char* kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

// `length` bytes from `offset` lie within `size`, without the sum overflowing.
bool fits(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

// A little-endian number; callers have checked that its bytes are there.
template <typename Number>
Number numberAt(const QByteArray& bytes, quint64 offset)
{
    Number number = 0;
    for (std::size_t i = 0; i < sizeof(Number); ++i)
        number |= Number(quint8(bytes.at(qsizetype(offset + i)))) << (8 * i);
    return number;
}

quint32 u32At(const QByteArray& bytes, quint64 offset)
{
    return numberAt<quint32>(bytes, offset);
}
quint64 u64At(const QByteArray& bytes, quint64 offset)
{
    return numberAt<quint64>(bytes, offset);
}

// The directory's numbers: 7 bits a byte, most significant first, the top bit set on every byte
// but the last.
std::optional<quint64> encodedInteger(const QByteArray& bytes, qsizetype& at, qsizetype end)
{
    quint64 value = 0;
    while (at < end) {
        const auto byte = quint8(bytes.at(at++));
        if (value >> 57) return std::nullopt;
        value = value << 7 | (byte & 0x7f);
        if (!(byte & 0x80)) return value;
    }
    return std::nullopt;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::read(const QByteArray& file)
{
    // The ITSF header: its version, the header section with the file's full size (a shorter file
    // was cut off), the directory, and from version 3 on where the stored-as-is section starts.
    const quint64 size = quint64(file.size());
    if (size < 0x60 || !file.startsWith("ITSF")) return nullptr;
    const quint32 version = u32At(file, 4);
    if (version != 2 && version != 3) return nullptr;
    const quint64 sizeRecordAt = u64At(file, 0x38);
    if (!fits(sizeRecordAt, 16, size) || u64At(file, sizeRecordAt + 8) > size) return nullptr;
    const quint64 directoryAt = u64At(file, 0x48);
    const quint64 directoryLength = u64At(file, 0x50);
    if (!fits(directoryAt, directoryLength, size)) return nullptr;

    std::unique_ptr<ChmArchive> archive(new ChmArchive);
    archive->bytes_ = file;
    archive->dataOffset_ = version == 3 ? u64At(file, 0x58) : directoryAt + directoryLength;
    if (archive->dataOffset_ > size || !archive->readDirectory(directoryAt, directoryLength) ||
        !archive->decompressContent())
        return nullptr;
    const quint64 sectionSizes[] = {size - archive->dataOffset_, quint64(archive->content_.size())};
    for (const Entry& entry : std::as_const(archive->entries_)) {
        if (entry.section > 1 || !fits(entry.start, entry.length, sectionSizes[entry.section]))
            return nullptr;
    }
    return archive;
}

std::optional<QByteArray> ChmArchive::file(const QByteArray& path) const
{
    const auto entry = entries_.constFind(path.toLower());
    if (entry == entries_.cend()) return std::nullopt;
    const QByteArray& section = entry->section == 0 ? bytes_ : content_;
    const quint64 start = entry->section == 0 ? dataOffset_ + entry->start : entry->start;
    return section.mid(qsizetype(start), qsizetype(entry->length));
}

// The ITSP header, then chunks of one size: listing chunks (PMGL) with the entries and, once they
// are more than one, index chunks (PMGI) naming each listing chunk under the first path in it.
// The listing chunks are read in the order the index gives them, from its root down, as readers
// look paths up: the header's number of the first listing chunk cannot be trusted (chmcmd
// writes 1 where chunk 0 comes first), nor can the chain of listing chunks that starts there.
// Without an index, the listing chunks chain from the one the header names.
bool ChmArchive::readDirectory(quint64 offset, quint64 length)
{
    if (length < kDirectoryHeaderSize) return false;
    const QByteArray header = bytes_.mid(qsizetype(offset), kDirectoryHeaderSize);
    if (!header.startsWith("ITSP") || u32At(header, 4) != 1 ||
        u32At(header, 8) != kDirectoryHeaderSize)
        return false;
    const quint64 chunkSize = u32At(header, 0x10);
    const quint64 chunkCount = u32At(header, 0x2c);
    if (chunkSize < kListingHeaderSize || chunkCount > (length - kDirectoryHeaderSize) / chunkSize)
        return false;
    const auto indexRoot = qint32(u32At(header, 0x1c));
    const auto firstListing = qint32(u32At(header, 0x20));

    // Chunks still to read, the next one last. Each chunk is taken once, so a damaged directory
    // that names a chunk twice or points back up is refused.
    std::vector<qint32> toRead;
    std::vector<bool> taken(chunkCount);
    const auto take = [&](qint32 chunk) {
        if (chunk < 0 || quint64(chunk) >= chunkCount || taken[std::size_t(chunk)]) return false;
        taken[std::size_t(chunk)] = true;
        toRead.push_back(chunk);
        return true;
    };
    if (!take(indexRoot == -1 ? firstListing : indexRoot)) return false;
    while (!toRead.empty()) {
        const qint32 chunk = toRead.back();
        toRead.pop_back();
        const QByteArray bytes =
            bytes_.mid(qsizetype(offset + kDirectoryHeaderSize + quint64(chunk) * chunkSize),
                       qsizetype(chunkSize));
        if (bytes.startsWith("PMGI")) {
            const std::optional<std::vector<qint32>> children = indexedChunks(bytes);
            if (!children || !std::all_of(children->rbegin(), children->rend(), take)) return false;
        } else if (!readChunk(bytes)) {
            return false;
        } else if (const auto next = qint32(u32At(bytes, 0x10)); indexRoot == -1 && next != -1) {
            if (!take(next)) return false;
        }
    }
    return true;
}

// An index chunk: its entries (name length, name, chunk number) fill it up to the free space at
// its end, in the order of the paths.
std::optional<std::vector<qint32>> ChmArchive::indexedChunks(const QByteArray& chunk)
{
    const quint64 freeSpace = u32At(chunk, 4);
    if (freeSpace > quint64(chunk.size()) - kIndexHeaderSize) return std::nullopt;
    std::vector<qint32> chunks;
    qsizetype at = kIndexHeaderSize;
    const qsizetype end = chunk.size() - qsizetype(freeSpace);
    while (at < end) {
        const std::optional<quint64> nameLength = encodedInteger(chunk, at, end);
        if (!nameLength || *nameLength > quint64(end - at)) return std::nullopt;
        at += qsizetype(*nameLength);
        const std::optional<quint64> number = encodedInteger(chunk, at, end);
        if (!number || *number > quint64(std::numeric_limits<qint32>::max())) return std::nullopt;
        chunks.push_back(qint32(*number));
    }
    return chunks;
}

// A listing chunk: its entries (name length, name, section, start, length) fill it up to the
// free space at its end.
bool ChmArchive::readChunk(const QByteArray& chunk)
{
    if (!chunk.startsWith("PMGL")) return false;
    const quint64 freeSpace = u32At(chunk, 4);
    if (freeSpace > quint64(chunk.size()) - kListingHeaderSize) return false;
    qsizetype at = kListingHeaderSize;
    const qsizetype end = chunk.size() - qsizetype(freeSpace);
    while (at < end) {
        const std::optional<quint64> nameLength = encodedInteger(chunk, at, end);
        if (!nameLength || *nameLength > quint64(end - at)) return false;
        const QByteArray path = chunk.mid(at, qsizetype(*nameLength));
        at += qsizetype(*nameLength);
        const std::optional<quint64> section = encodedInteger(chunk, at, end);
        const std::optional<quint64> start =
            section ? encodedInteger(chunk, at, end) : std::nullopt;
        const std::optional<quint64> length = start ? encodedInteger(chunk, at, end) : std::nullopt;
        if (!length) return false;
        const QByteArray key = path.toLower();
        if (entries_.contains(key)) continue;
        entries_.insert(key, {*section, *start, *length});
        paths_.push_back(path);
    }
    return true;
}

// The compressed section: its control data names the window and how often the decoder starts
// afresh, its reset table where each frame's compressed bytes start. A help file without them
// has nothing compressed.
bool ChmArchive::decompressContent()
{
    const std::optional<QByteArray> control = uncompressedFile(kControlData);
    const std::optional<QByteArray> table = uncompressedFile(kResetTable);
    const std::optional<QByteArray> compressed = uncompressedFile(kContent);
    if (!control || !table || !compressed) return true;

    // Sizes in 32 KiB units from version 2 on, in bytes before.
    if (control->size() < 0x18 || control->mid(4, 4) != "LZXC") return false;
    const quint64 unit = u32At(*control, 8) == 2 ? kFrameSize : 1;
    const quint64 resetInterval = u32At(*control, 0xc) * unit;
    const quint64 windowSize = u32At(*control, 0x10) * unit;
    const int windowBits = std::countr_zero(windowSize);
    if (!std::has_single_bit(windowSize) || windowBits < 15 || windowBits > 21 ||
        resetInterval == 0 || resetInterval % kFrameSize != 0)
        return false;
    const quint64 framesPerReset = resetInterval / kFrameSize;

    if (table->size() < 0x28 || u32At(*table, 0) != 2 || u32At(*table, 8) != 8 ||
        u64At(*table, 0x20) != kFrameSize)
        return false;
    const quint64 tableEntries = u32At(*table, 4);
    const quint64 tableAt = u32At(*table, 0xc);
    const quint64 length = u64At(*table, 0x10);
    const quint64 compressedLength = u64At(*table, 0x18);
    if (length > kLargestContent || !fits(tableAt, 8 * tableEntries, quint64(table->size())) ||
        compressedLength > quint64(compressed->size()))
        return false;
    const quint64 frames = (length + kFrameSize - 1) / kFrameSize;
    if (frames > tableEntries) return false;

    // Compressors fill the last frame too, past the content's end.
    content_.resize(qsizetype(frames * kFrameSize));
    const auto* input = reinterpret_cast<const std::uint8_t*>(compressed->constData());
    auto* output = reinterpret_cast<std::uint8_t*>(content_.data());
    LzxDecoder decoder(windowBits);
    for (quint64 frame = 0; frame < frames; ++frame) {
        const quint64 start = u64At(*table, tableAt + 8 * frame);
        const quint64 end =
            frame + 1 < frames ? u64At(*table, tableAt + 8 * (frame + 1)) : compressedLength;
        if (start > end || end > compressedLength) return false;
        if (frame % framesPerReset == 0) decoder.reset();
        if (!decoder.decodeFrame({input + start, end - start},
                                 {output + frame * kFrameSize, kFrameSize}))
            return false;
    }
    content_.truncate(qsizetype(length));
    return true;
}

std::optional<QByteArray> ChmArchive::uncompressedFile(const char* path) const
{
    const auto entry = entries_.constFind(QByteArray(path).toLower());
    if (entry == entries_.cend() || entry->section != 0 ||
        !fits(entry->start, entry->length, quint64(bytes_.size()) - dataOffset_))
        return std::nullopt;
    return bytes_.mid(qsizetype(dataOffset_ + entry->start), qsizetype(entry->length));
}

}  // namespace tavrel::help
