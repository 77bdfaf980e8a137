// The compiled help file as the program reads it: the guide built by chmcmd, read back byte for
// byte, and files that are not help files, not whole or damaged refused without a crash.
#include "helpview/chm_file.h"
#include "languages.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>

using tavrel::help::ChmFile;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString pageOf(const QString& local) { return local.left(local.indexOf('#')); }

// The guide built for `language` beside the English one; the English guide for "".
QString guidePath(const std::string& language)
{
    if (language.empty()) return TAVREL_HELP_FILE;
    const QString folder = QFileInfo(TAVREL_HELP_FILE).path();
    return folder + "/TavrelMarker_" + QString::fromStdString(language) + ".chm";
}

// Every guide built: the English one and each translation.
class EveryGuide : public testing::TestWithParam<const char*> {};

TEST(ChmFile, OpensTheGuideAtItsContentsPage)
{
    const auto guide = ChmFile::open(TAVREL_HELP_FILE);
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->title(), "Tavrel Help");
    EXPECT_EQ(guide->defaultTopic(), "/index.html");
    ASSERT_FALSE(guide->contents().empty());
    EXPECT_EQ(guide->contents().front().local, "index.html");
}

// chmcmd's own sitemap, read back: nesting survives, and so do headings without a page.
TEST_P(EveryGuide, ContentsKeepTheirNestingAndEveryPageReads)
{
    const auto guide = ChmFile::open(guidePath(GetParam()));
    ASSERT_NE(guide, nullptr);
    int nested = 0, headings = 0, pages = 0;
    for (const auto& topic : guide->contents()) {
        nested += topic.depth > 0;
        if (topic.local.isEmpty()) {
            ++headings;
            continue;
        }
        ++pages;
        const auto page = guide->read(pageOf(topic.local));
        ASSERT_TRUE(page.has_value()) << topic.local.toStdString();
        if (pageOf(topic.local) == topic.local) {
            EXPECT_TRUE(page->contains("<title>" + topic.name.toUtf8() + "</title>"))
                << "contents and title differ: " << topic.name.toStdString();
        }
    }
    EXPECT_GE(nested, 2);
    EXPECT_GE(headings, 1);
    EXPECT_GE(pages, 8);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndTranslated, EveryGuide,
                         testing::ValuesIn(tavrel::test::withEnglish("")));

// A translated guide opens at its own first page, has the printing page in its language too,
// and lists the same pages as the English guide in the same order. The word is one the
// English guide never uses.
struct Translation {
    const char* language;
    const char* title;
    const char* word;
};

const Translation kTranslations[] = {
    {"de", "Tavrel-Hilfe", "Schnittmuster"},   {"fr", "Aide de Tavrel", "patron"},
    {"es", "Ayuda de Tavrel", "patrón"},       {"nl", "Help bij Tavrel", "patroon"},
    {"it", "Guida di Tavrel", "cartamodello"}, {"pt_PT", "Ajuda do Tavrel", "a sua"},
    {"pt_BR", "Ajuda do Tavrel", "você"}};

class TranslatedGuide : public testing::TestWithParam<Translation> {};

TEST_P(TranslatedGuide, OpensAtItsOwnFirstPage)
{
    ASSERT_NE(GetParam().title, nullptr) << "no title and word for " << GetParam().language;
    const auto english = ChmFile::open(TAVREL_HELP_FILE);
    const auto guide = ChmFile::open(guidePath(GetParam().language));
    ASSERT_NE(english, nullptr);
    ASSERT_NE(guide, nullptr) << GetParam().language;
    EXPECT_EQ(guide->title(), GetParam().title);
    EXPECT_EQ(guide->defaultTopic(), "/index.html");
    const QByteArray word = QByteArray(GetParam().word);
    for (const char* page : {"/index.html", "/printing.html"}) {
        EXPECT_TRUE(guide->read(page).value_or("").contains(word)) << page;
        EXPECT_FALSE(english->read(page).value_or("").contains(word)) << page;
    }
    std::vector<QString> englishPages, translatedPages;
    for (const auto& topic : english->contents()) englishPages.push_back(topic.local);
    for (const auto& topic : guide->contents()) translatedPages.push_back(topic.local);
    EXPECT_EQ(translatedPages, englishPages);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslatedGuide,
    testing::ValuesIn(tavrel::test::rowsOf(kTranslations, tavrel::test::kTranslatedLanguages)));

// The LZX-compressed content comes back byte for byte, with or without the leading slash.
TEST(ChmFile, StoredFilesReadBackExactly)
{
    const auto guide = ChmFile::open(TAVREL_HELP_FILE);
    ASSERT_NE(guide, nullptr);
    for (const char* name : {"images/window.png", "images/ruler.png", "style.css", "index.html"}) {
        const QByteArray source = fileBytes(QString(TAVREL_HELP_SOURCES) + "/" + name);
        ASSERT_FALSE(source.isEmpty()) << name;
        EXPECT_EQ(guide->read(name), source) << name;
        EXPECT_EQ(guide->read(QString("/") + name), source) << name;
    }
}

// A guide whose directory needs several chunks: the user's guide with 300 pages more
// (tests/guide). chmcmd's header names chunk 1 as the first listing chunk, though chunk 0, with
// the title, the start page, the contents and the pictures, comes first.
TEST(ChmFile, AGuideWithSeveralDirectoryChunksReadsWhole)
{
    ASSERT_TRUE(fileBytes(TAVREL_TEST_GUIDE).contains("PMGI")) << "one chunk: add pages";
    const auto english = ChmFile::open(TAVREL_HELP_FILE);
    const auto guide = ChmFile::open(TAVREL_TEST_GUIDE);
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->title(), "Tavrel Help");
    EXPECT_EQ(guide->defaultTopic(), "/index.html");
    EXPECT_EQ(guide->contents(), english->contents());
    for (const char* name : {"images/window.png", "style.css", "index.html"})
        EXPECT_EQ(guide->read(name), english->read(name)) << name;
    for (int page = 1; page <= 300; ++page) {
        const QString name = QString("more/page-%1.html").arg(page);
        const QByteArray text = QString("<p>Page %1</p>").arg(page).toUtf8();
        EXPECT_TRUE(guide->read(name).value_or("").contains(text)) << name.toStdString();
    }
}

TEST(ChmFile, WhatIsNotAStoredFileReadsAsNothing)
{
    const auto guide = ChmFile::open(TAVREL_HELP_FILE);
    ASSERT_NE(guide, nullptr);
    for (const QString& path : {QString("/nothere.html"), QString(""), QString("/"),
                                QString("/images/"), QString("/" + QString(600, 'a') + ".html"),
                                QString("/../index.html")})
        EXPECT_FALSE(guide->read(path).has_value()) << path.toStdString();
}

// What the help window makes of a file it must refuse: ChmFile either does not open it, or opens
// it but cannot read the page to show first. Nothing crashes, and no page comes back other than
// it was stored (a reader that trusts a truncated file returns garbage for its pages).
void expectRefusedCleanly(const QByteArray& content, const std::string& what)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("TavrelMarker.chm");
    ASSERT_TRUE(writeFile(path, content)) << what;
    const auto file = ChmFile::open(path);
    if (!file) return;
    const QString first = file->defaultTopic();
    const auto start = first.isEmpty() ? std::nullopt : file->read(first);
    EXPECT_FALSE(start.has_value() && !start->isEmpty()) << what;
    const auto guide = ChmFile::open(TAVREL_HELP_FILE);
    for (const auto& topic : guide->contents()) {
        const auto page = file->read(pageOf(topic.local));
        EXPECT_TRUE(!page || page == guide->read(pageOf(topic.local))) << what;
    }
}

class NotAHelpFile : public testing::TestWithParam<const char*> {
protected:
    static QByteArray contentFor(const std::string& what)
    {
        const QByteArray guide = fileBytes(TAVREL_HELP_FILE);
        if (what == "empty") return {};
        if (what == "text renamed .chm") return "Tavrel is a pattern program.\n";
        if (what == "picture renamed .chm")
            return fileBytes(QString(TAVREL_HELP_SOURCES) + "/images/ruler.png");
        if (what == "first 16 bytes") return guide.left(16);
        if (what == "first 120 bytes") return guide.left(120);
        if (what == "first 4 KiB") return guide.left(4096);
        if (what == "first half") return guide.left(guide.size() / 2);
        if (what == "all but the last byte") return guide.left(guide.size() - 1);
        if (what == "header with zeros after it")
            return guide.left(120) + QByteArray(guide.size() - 120, '\0');
        return "?";
    }
};

TEST_P(NotAHelpFile, IsRefusedCleanly) { expectRefusedCleanly(contentFor(GetParam()), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Files, NotAHelpFile,
                         testing::Values("empty", "text renamed .chm", "picture renamed .chm",
                                         "first 16 bytes", "first 120 bytes", "first 4 KiB",
                                         "first half", "all but the last byte",
                                         "header with zeros after it"));

// The guide with one number of its structure damaged, found from a mark near it: "LZXC" in the
// compressed section's control data, the reset table's entry size and header size, a listing
// or index chunk of the directory, the file's header.
struct DamagedNumber {
    const char* what;
    QByteArray mark;
    int offset;  // from the mark
    quint64 value;
    int width;   // in bytes, little-endian
    const char* guide = TAVREL_HELP_FILE;
};

const QByteArray kResetTable("\x08\0\0\0\x28\0\0\0", 8);

class DamagedGuide : public testing::TestWithParam<DamagedNumber> {};

TEST_P(DamagedGuide, IsRefusedCleanly)
{
    const DamagedNumber& damage = GetParam();
    QByteArray guide = fileBytes(damage.guide);
    const qsizetype at = guide.indexOf(damage.mark);
    ASSERT_GE(at, 0) << damage.what;
    const auto value = qToLittleEndian(damage.value);
    std::memcpy(guide.data() + at + damage.offset, &value, std::size_t(damage.width));
    expectRefusedCleanly(guide, damage.what);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DamagedGuide,
    testing::Values(
        DamagedNumber{"window of 2 bytes (control data's version 0x8002)", "LZXC", 5, 0x80, 1},
        DamagedNumber{"window of 4 MiB", "LZXC", 12, 128, 4},
        DamagedNumber{"no reset interval", "LZXC", 8, 0, 4},
        DamagedNumber{"fewer reset table entries than frames", kResetTable, -4, 1, 4},
        DamagedNumber{"reset table beyond its file", kResetTable, 4, 0x1000, 4},
        DamagedNumber{"a frame starting beyond the content", kResetTable, 40, 0xffffffff, 8},
        DamagedNumber{"a terabyte of content", kResetTable, 8, quint64(1) << 40, 8},
        DamagedNumber{"compressed content beyond the file", kResetTable, 16, 0x100000, 8},
        DamagedNumber{"frames of 4 KiB", kResetTable, 24, 0x1000, 8},
        DamagedNumber{"frame length past 32 bits", kResetTable, 28, 1, 1},
        DamagedNumber{"listing chunk followed by itself", "PMGL", 16, 0, 4},
        DamagedNumber{"free space beyond the chunk", "PMGL", 4, 0x10000, 4},
        // The test guide's index: its first entry, "/" in chunk 0, has its number at 10.
        DamagedNumber{"index naming a chunk beyond the directory", "PMGI", 10, 0x7f, 1,
                      TAVREL_TEST_GUIDE},
        DamagedNumber{"index naming a chunk twice", "PMGI", 10, 1, 1, TAVREL_TEST_GUIDE},
        DamagedNumber{"index naming itself", "PMGI", 10, 3, 1, TAVREL_TEST_GUIDE},
        DamagedNumber{"index free space beyond the chunk", "PMGI", 4, 0x10000, 4,
                      TAVREL_TEST_GUIDE},
        DamagedNumber{"directory beyond the file", "ITSF", 0x48, quint64(1) << 32, 8},
        DamagedNumber{"stored section beyond the file", "ITSF", 0x58, quint64(1) << 32, 8}));

// Damaged guides the fuzzer found (fuzz/corpus/chm_file_fuzzer): with CHMLib reading them, the
// program crashed, hung, ran out of memory or read one page two ways on each.
class FuzzedGuide : public testing::TestWithParam<const char*> {};

TEST_P(FuzzedGuide, IsRefusedCleanly)
{
    expectRefusedCleanly(fileBytes(QString(TAVREL_CHM_CORPUS) + "/" + GetParam()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Findings, FuzzedGuide,
                         testing::Values("control-data-window-of-2-bytes",
                                         "reset-table-frames-of-4-KiB",
                                         "reset-table-frame-length-past-32-bits",
                                         "division-by-zero-on-opening",
                                         "division-by-zero-reading-a-page",
                                         "endless-directory-walk", "page-reads-differently-twice",
                                         "gigabytes-for-a-page"));

TEST(ChmFile, MissingFileOrFolderDoesNotOpen)
{
    QTemporaryDir folder;
    EXPECT_EQ(ChmFile::open(folder.filePath("nothere.chm")), nullptr);
    EXPECT_EQ(ChmFile::open(folder.path()), nullptr);
    EXPECT_EQ(ChmFile::open(""), nullptr);
}

// Help files made by the real compiler without some of what ours has: the page to open first
// falls back to the first page of the contents, then to index.html.
struct Project {
    const char* what;
    const char* options;  // [OPTIONS] lines besides the file's name and title
    const char* files;    // the [FILES] section
    const char* defaultTopic;
};

class DefaultTopic : public testing::TestWithParam<Project> {};

TEST_P(DefaultTopic, FallsBackInOrder)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QByteArray sitemap = "<ul><li><object type=\"text/sitemap\">"
                               "<param name=\"Name\" value=\"Second\">"
                               "<param name=\"Local\" value=\"second.html#part\"></object></ul>";
    ASSERT_TRUE(writeFile(dir.filePath("toc.hhc"), sitemap));
    for (const char* page : {"index.html", "second.html"})
        ASSERT_TRUE(writeFile(dir.filePath(page), "<html><head><title>t</title></head><body>"
                                                  "<a name=\"part\">p</a></body></html>"));
    const QByteArray project = QByteArray("[OPTIONS]\nCompiled file=test.chm\nTitle=Test\n") +
                               GetParam().options + "\n[FILES]\n" + GetParam().files;
    ASSERT_TRUE(writeFile(dir.filePath("test.hhp"), project));
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(folder.path());
    chmcmd.start(CHMCMD, {"test.hhp"});
    ASSERT_TRUE(chmcmd.waitForFinished(30000));

    const auto file = ChmFile::open(dir.filePath("test.chm"));
    ASSERT_NE(file, nullptr) << GetParam().what;
    EXPECT_EQ(file->defaultTopic(), GetParam().defaultTopic) << GetParam().what;
}

constexpr const char* kAllFiles = "index.html\nsecond.html\ntoc.hhc\n";

INSTANTIATE_TEST_SUITE_P(
    Projects, DefaultTopic,
    testing::Values(
        Project{"named", "Contents file=toc.hhc\nDefault topic=index.html", kAllFiles,
                "/index.html"},
        Project{"none named: the contents' first page", "Contents file=toc.hhc", kAllFiles,
                "/second.html"},
        Project{"contents not named either: found among the files", "", kAllFiles,
                "/second.html"},
        Project{"named but not stored", "Contents file=toc.hhc\nDefault topic=gone.html",
                kAllFiles, "/second.html"},
        Project{"no contents: index.html", "", "index.html\nsecond.html\n", "/index.html"},
        Project{"nothing to open first", "", "second.html\n", ""}));

}  // namespace
