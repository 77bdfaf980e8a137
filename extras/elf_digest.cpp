#include "extras/elf_digest.h"

#include <QCryptographicHash>
#include <QFile>

#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tavrel::extras {
namespace {

using Header = ElfW(Ehdr);
using SegmentHeader = ElfW(Phdr);

// The header's fields about the section headers, which stripping rewrites.
struct Field {
    std::size_t offset, size;
};
constexpr Field kSectionFields[] = {
    {offsetof(Header, e_shoff), sizeof(Header::e_shoff)},
    {offsetof(Header, e_shentsize), sizeof(Header::e_shentsize)},
    {offsetof(Header, e_shnum), sizeof(Header::e_shnum)},
    {offsetof(Header, e_shstrndx), sizeof(Header::e_shstrndx)},
};

bool withinFile(quint64 offset, quint64 length, quint64 fileSize)
{
    return offset <= fileSize && length <= fileSize - offset;
}

// The bytes at `offset`, with the section headers' fields zeroed where they fall among them.
std::optional<QByteArray> readPart(QFile& file, quint64 offset, quint64 length)
{
    if (!withinFile(offset, length, quint64(file.size())) || !file.seek(qint64(offset)))
        return std::nullopt;
    QByteArray bytes = file.read(qint64(length));
    if (quint64(bytes.size()) != length) return std::nullopt;
    for (const Field& field : kSectionFields) {
        const quint64 begin = std::max<quint64>(field.offset, offset);
        const quint64 end = std::min<quint64>(field.offset + field.size, offset + length);
        if (begin < end) std::memset(bytes.data() + (begin - offset), 0, end - begin);
    }
    return bytes;
}

bool isModuleOfThisMachine(const Header& header)
{
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
           header.e_ident[EI_CLASS] == (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) &&
           header.e_type == ET_DYN && header.e_phentsize == sizeof(SegmentHeader) &&
           header.e_phnum > 0;
}

}  // namespace

std::optional<QByteArray> elfLoadedDigest(const QString& path)
{
    // Without waiting, and only a regular file: opening a named pipe waits for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto headerBytes = readPart(file, 0, sizeof(Header));
    if (!headerBytes) return std::nullopt;
    Header header;
    std::memcpy(&header, headerBytes->constData(), sizeof header);
    if (!isModuleOfThisMachine(header)) return std::nullopt;
    const auto table =
        readPart(file, header.e_phoff, quint64(header.e_phnum) * sizeof(SegmentHeader));
    if (!table) return std::nullopt;
    std::vector<SegmentHeader> segments(header.e_phnum);
    std::memcpy(segments.data(), table->constData(), std::size_t(table->size()));

    // It guards against a damaged file, not an attacker: SHA-1 is enough, and four times as
    // fast as SHA-256 in Qt.
    QCryptographicHash digest(QCryptographicHash::Sha1);
    digest.addData(*headerBytes);
    digest.addData(*table);
    for (const SegmentHeader& segment : segments) {
        const auto bytes = readPart(file, segment.p_offset, segment.p_filesz);
        if (!bytes) return std::nullopt;
        digest.addData(*bytes);
    }
    return digest.result();
}

}  // namespace tavrel::extras
