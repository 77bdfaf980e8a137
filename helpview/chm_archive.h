#pragma once
// The container of a compiled help file (ITSF): its directory of stored files and its two
// sections, one stored as is and one LZX-compressed. The whole file is checked when it is read
// in: the headers, every directory chunk and entry, the compressed section's control data and
// reset table, and the compressed content itself, which is decompressed once, then. A file where
// any of it does not add up is refused, so that nothing read later can point outside it.

#include <QByteArray>
#include <QHash>

#include <memory>
#include <optional>
#include <vector>

namespace tavrel::help {

class ChmArchive {
public:
    // Null when the bytes are not a whole, sound help file.
    static std::unique_ptr<ChmArchive> read(const QByteArray& file);

    // The stored file at `path` ("/index.html"; letter case does not matter); nullopt when none.
    std::optional<QByteArray> file(const QByteArray& path) const;
    // Every stored path, in the directory's order.
    const std::vector<QByteArray>& paths() const { return paths_; }

private:
    struct Entry {
        quint64 section = 0;
        quint64 start = 0;
        quint64 length = 0;
    };

    ChmArchive() = default;
    bool readDirectory(quint64 offset, quint64 length);
    static std::optional<std::vector<qint32>> indexedChunks(const QByteArray& chunk);
    bool readChunk(const QByteArray& chunk);
    bool decompressContent();
    std::optional<QByteArray> uncompressedFile(const char* path) const;

    QByteArray bytes_;
    quint64 dataOffset_ = 0;            // where the stored-as-is section starts
    QByteArray content_;                // the compressed section, decompressed
    QHash<QByteArray, Entry> entries_;  // by lower-case path
    std::vector<QByteArray> paths_;
};

}  // namespace tavrel::help
