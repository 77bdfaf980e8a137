#include "helpview/chm_file.h"

#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <chm_lib.h>

namespace tavrel::help {
namespace {

// Help pages and pictures are kilobytes; a stored length beyond this comes from a damaged
// directory and must not turn into an allocation of that size.
constexpr LONGUINT64 kLargestStoredFile = 64 * 1024 * 1024;

// CHMLib reads a truncated file as if the missing bytes were there, and hands back garbage as
// page content. The file's header records its full size (in the header section that the ITSF
// header points to at 0x38): a shorter file is refused before CHMLib sees it.
bool hasItsFullSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray header = file.read(0x40);
    if (header.size() < 0x40 || !header.startsWith("ITSF")) return false;
    const auto sectionAt = qFromLittleEndian<quint64>(header.constData() + 0x38);
    if (sectionAt > quint64(file.size()) || !file.seek(qint64(sectionAt))) return false;
    const QByteArray section = file.read(16);
    return section.size() == 16 &&
           qFromLittleEndian<quint64>(section.constData() + 8) <= quint64(file.size());
}

QString rootedPath(const QString& path) { return path.startsWith('/') ? path : '/' + path; }

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

struct SuffixSearch {
    QByteArray suffix;
    QString found;
};

int findSuffix(chmFile*, chmUnitInfo* unit, void* context)
{
    auto* search = static_cast<SuffixSearch*>(context);
    const QByteArray path(unit->path, qsizetype(qstrnlen(unit->path, CHM_MAX_PATHLEN)));
    if (!path.toLower().endsWith(search->suffix)) return CHM_ENUMERATOR_CONTINUE;
    search->found = QString::fromUtf8(path);
    return CHM_ENUMERATOR_SUCCESS;
}

QString withoutFragment(const QString& local) { return local.left(local.indexOf('#')); }

}  // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString& path)
{
    if (!hasItsFullSize(path)) return nullptr;
    chmFile* handle = chm_open(QFile::encodeName(path).constData());
    if (!handle) return nullptr;
    return std::unique_ptr<ChmFile>(new ChmFile(handle));
}

ChmFile::ChmFile(chmFile* handle) : handle_(handle)
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

ChmFile::~ChmFile() { chm_close(handle_); }

bool ChmFile::contains(const QString& path) const
{
    const QByteArray name = rootedPath(path).toUtf8();
    chmUnitInfo unit{};
    return name.size() <= CHM_MAX_PATHLEN &&
           chm_resolve_object(handle_, name.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmFile::read(const QString& path) const
{
    const QByteArray name = rootedPath(path).toUtf8();
    chmUnitInfo unit{};
    if (name.endsWith('/') || name.size() > CHM_MAX_PATHLEN ||
        chm_resolve_object(handle_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > kLargestStoredFile)
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0) return bytes;
    const LONGINT64 got = chm_retrieve_object(
        handle_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length)) return std::nullopt;
    return bytes;
}

QString ChmFile::firstStoredFileEndingIn(const QString& suffix) const
{
    SuffixSearch search{suffix.toLower().toUtf8(), {}};
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, findSuffix, &search);
    return search.found;
}

}  // namespace tavrel::help
