#include "helpview/chm_file.h"

#include "helpview/chm_archive.h"

#include <QDataStream>
#include <QFile>

namespace tavrel::help {
namespace {

// Help files are kilobytes; a larger file is not one of ours and is not read into memory.
constexpr qint64 kLargestHelpFile = 64 * 1024 * 1024;

QString rootedPath(const QString& path)
{
    return path.startsWith('/') ? path : '/' + path;
}

// What the #SYSTEM file says: after a 4-byte version come records of a 2-byte code, a 2-byte
// length and that many bytes, strings ending in a zero byte.
struct SystemEntries {
    QString contentsFile;  // code 0
    QString defaultTopic;  // code 2
    QString title;         // code 3
};

QByteArray untilZero(const QByteArray& bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

SystemEntries parseSystemFile(const QByteArray& bytes)
{
    SystemEntries entries;
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(4);
    quint16 code = 0, length = 0;
    while (in.status() == QDataStream::Ok) {
        in >> code >> length;
        QByteArray record(length, Qt::Uninitialized);
        if (in.status() != QDataStream::Ok) break;
        if (in.readRawData(record.data(), length) != length) break;
        const QString text = QString::fromUtf8(untilZero(record));
        if (code == 0) entries.contentsFile = text;
        if (code == 2) entries.defaultTopic = text;
        if (code == 3) entries.title = text;
    }
    return entries;
}

// What a help file lists among its pages: a path from the root that is no folder and not one of
// the compiler's own files ("/#SYSTEM", "/$OBJINST").
bool isPagePath(const QByteArray& path)
{
    return path.size() > 1 && path.startsWith('/') && path[1] != '#' && path[1] != '$' &&
           !path.endsWith('/');
}

QString withoutFragment(const QString& local)
{
    return local.left(local.indexOf('#'));
}

}  // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestHelpFile) return nullptr;
    std::unique_ptr<ChmArchive> archive = ChmArchive::read(file.readAll());
    if (!archive) return nullptr;
    return std::unique_ptr<ChmFile>(new ChmFile(std::move(archive)));
}

ChmFile::ChmFile(std::unique_ptr<ChmArchive> archive) : archive_(std::move(archive))
{
    const SystemEntries system = parseSystemFile(read("/#SYSTEM").value_or(QByteArray()));
    title_ = system.title;

    const QString sitemap =
        system.contentsFile.isEmpty() ? firstStoredFileEndingIn(".hhc") : system.contentsFile;
    if (!sitemap.isEmpty()) contents_ = parseContents(read(sitemap).value_or(QByteArray()));

    QStringList candidates = {system.defaultTopic};
    for (const HelpTopic& topic : contents_) candidates << withoutFragment(topic.local);
    candidates << "index.html";
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && contains(candidate)) {
            defaultTopic_ = rootedPath(candidate);
            break;
        }
    }
}

ChmFile::~ChmFile() = default;

bool ChmFile::contains(const QString& path) const
{
    return archive_->file(rootedPath(path).toUtf8()).has_value();
}

std::optional<QByteArray> ChmFile::read(const QString& path) const
{
    const QByteArray name = rootedPath(path).toUtf8();
    if (name.endsWith('/')) return std::nullopt;
    return archive_->file(name);
}

QString ChmFile::firstStoredFileEndingIn(const QString& suffix) const
{
    const QByteArray wanted = suffix.toLower().toUtf8();
    for (const QByteArray& path : archive_->paths()) {
        if (isPagePath(path) && path.toLower().endsWith(wanted)) return QString::fromUtf8(path);
    }
    return {};
}

}  // namespace tavrel::help
