// A help file damaged anywhere: opening it and reading it as the help window does (the page to
// open first, every page of the contents, and the pictures and style sheets the pages name)
// never crashes, and reading a file again gives the same answer. Seeded with the built guide.

#include "fuzz_require.h"
#include "helpview/chm_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <cstddef>
#include <cstdint>

namespace {

using tavrel::help::ChmFile;

// The reader opens files by name, as F1 does; one file in a folder of its own serves every run.
QString scratchFile()
{
    static QTemporaryDir folder;
    return folder.filePath("TavrelMarker.chm");
}

void readWithWhatItNames(const ChmFile& file, const QString& page)
{
    static const QRegularExpression reference(R"re((?:href|src)="([^"#]*))re");
    const auto bytes = file.read(page);
    if (!bytes) return;
    const QString html = QString::fromUtf8(*bytes);
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QUrl target = QUrl("chm:" + page).resolved(QUrl(it.next().captured(1)));
        FUZZ_REQUIRE(file.read(target.path()) == file.read(target.path()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile out(scratchFile());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    out.write(reinterpret_cast<const char*>(data), qint64(size));
    out.close();

    const auto file = ChmFile::open(scratchFile());
    if (!file) return 0;
    if (!file->defaultTopic().isEmpty()) readWithWhatItNames(*file, file->defaultTopic());
    for (const auto& topic : file->contents())
        readWithWhatItNames(*file, "/" + topic.local.left(topic.local.indexOf('#')));
    return 0;
}
