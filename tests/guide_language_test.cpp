// Every guide as it is built, read back from its help file as the program reads it: each
// translated page and contents title is in the guide's own language, with no English page left
// behind a translated title, and every link, picture and contents entry of every guide leads to
// a page, and an anchor on it, inside the same guide. Each picture has the size its page gives
// it, and a translated guide shows the window in its own language.
#include "helpview/chm_file.h"
#include "languages.h"

#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>

using tavrel::help::ChmFile;

namespace {

// Short words that every sentence needs, so that a page or title left in English shows them
// whatever it is about. A word English shares with the language (Dutch "is" and "of",
// Portuguese "for") does not count against it.
const QStringList englishWords = {"the", "and", "of",  "to",  "is",  "your", "you",  "with",
                                  "that", "this", "are", "from", "for", "it",  "when", "what"};

struct Guide {
    const char* language;  // "" for English
    QStringList ownWords;
};

const Guide guides[] = {
    {"", englishWords},
    {"de", {"der", "die", "das", "und", "ist", "sie", "mit", "zu", "den", "nicht", "ein", "auf"}},
    {"fr", {"le", "la", "les", "et", "est", "vous", "de", "du", "des", "un", "une", "pour"}},
    {"es", {"el", "la", "los", "las", "y", "es", "de", "del", "un", "una", "para", "con"}},
    {"nl", {"de", "het", "en", "een", "is", "van", "je", "niet", "met", "op", "of", "dat"}},
    {"it", {"il", "la", "le", "e", "è", "di", "del", "della", "un", "una", "per", "che"}},
    {"pt_PT", {"o", "a", "os", "as", "e", "é", "de", "do", "da", "um", "uma", "for"}},
    {"pt_BR", {"o", "a", "os", "as", "e", "é", "de", "do", "da", "um", "uma", "for"}},
};

std::string nameOf(const Guide& guide)
{
    return *guide.language ? guide.language : "English";
}

QString guidePath(const Guide& guide)
{
    if (!*guide.language) return TAVREL_HELP_FILE;
    return QFileInfo(TAVREL_HELP_FILE).path() + "/TavrelMarker_" + guide.language + ".chm";
}

QString pageOf(const QString& local) { return local.left(local.indexOf('#')); }

// The pages the contents lead to, each once, in their order.
QStringList pagesOf(const ChmFile& guide)
{
    QStringList pages;
    for (const auto& topic : guide.contents()) {
        if (!topic.local.isEmpty() && !pages.contains(pageOf(topic.local)))
            pages << pageOf(topic.local);
    }
    return pages;
}

// The words a reader sees: the text and the pictures' descriptions, without the commands,
// options and typed examples, which stay as the program reads them in every language.
QStringList wordsOf(QString html)
{
    static const QRegularExpression verbatim(R"re(<(pre|code|kbd)>.*?</\1>)re",
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression description(R"re(alt="([^"]*)")re");
    static const QRegularExpression tag("<[^>]*>");
    static const QRegularExpression word(R"re([^\W\d_]+)re",
                                         QRegularExpression::UseUnicodePropertiesOption);
    html.remove(verbatim);
    QString text = html;
    for (auto it = description.globalMatch(html); it.hasNext();) text += ' ' + it.next().captured(1);
    text.remove(tag);
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();) words << it.next().captured().toLower();
    return words;
}

// The English words of `words` that `guide`'s language does not share, in their order.
QStringList englishIn(const QStringList& words, const Guide& guide)
{
    QStringList english;
    for (const QString& w : words) {
        if (englishWords.contains(w) && !guide.ownWords.contains(w)) english << w;
    }
    return english;
}

// Why `page` does not read as written in `guide`'s language; empty when it does: it differs
// from the English page, has no more than a stray English word or two, and many of its own.
std::string notInLanguage(const QByteArray& page, const QByteArray& englishPage, const Guide& guide)
{
    if (page == englishPage) return "is the English page";
    const QStringList words = wordsOf(QString::fromUtf8(page));
    QStringList english = englishIn(words, guide);
    if (english.size() > 2) {
        const qsizetype count = english.size();
        english.removeDuplicates();
        return "has " + std::to_string(count) + " English words (" +
               english.join(", ").toStdString() + ")";
    }
    int own = 0;
    for (const QString& w : words) own += guide.ownWords.contains(w);
    if (own < 20) return "has only " + std::to_string(own) + " words of its language";
    return {};
}

// The English guide and the one of the test's language, both opened.
class BothGuides : public testing::TestWithParam<Guide> {
protected:
    void SetUp() override
    {
        english = ChmFile::open(TAVREL_HELP_FILE);
        guide = ChmFile::open(guidePath(GetParam()));
        ASSERT_NE(english, nullptr);
        ASSERT_NE(guide, nullptr) << nameOf(GetParam());
    }
    std::unique_ptr<ChmFile> english, guide;
};

class GuideLanguage : public BothGuides {};
class GuideLinks : public testing::TestWithParam<Guide> {};
class GuidePictures : public BothGuides {};

// Each page reads in the guide's language; each contents title differs from the English one
// and has no English word at all.
TEST_P(GuideLanguage, EveryPageAndContentsTitleIsInTheGuidesLanguage)
{
    const Guide& language = GetParam();
    ASSERT_FALSE(language.ownWords.isEmpty()) << nameOf(language) << " has no words in guides[]";

    for (const QString& page : pagesOf(*english)) {
        const auto translated = guide->read(page);
        const std::string problem =
            translated ? notInLanguage(*translated, english->read(page).value_or(""), language)
                       : "is missing";
        EXPECT_EQ(problem, "") << nameOf(language) << "/" << page.toStdString();
    }

    ASSERT_EQ(guide->contents().size(), english->contents().size()) << nameOf(language);
    for (size_t i = 0; i < english->contents().size(); ++i) {
        const QString title = guide->contents()[i].name;
        const std::string where = nameOf(language) + " contents \"" + title.toStdString() + "\"";
        EXPECT_TRUE(title != english->contents()[i].name &&
                    englishIn(wordsOf(title), language).isEmpty())
            << where << " is English";
    }
}

// Every href and src of every page, and every contents entry, names a file stored in the same
// help file, and an #anchor a name on that page: anything else is "Page not found".
TEST_P(GuideLinks, EveryLinkLeadsToAPageAndAnchorOfTheGuide)
{
    const Guide& language = GetParam();
    const auto guide = ChmFile::open(guidePath(language));
    ASSERT_NE(guide, nullptr) << nameOf(language);

    std::vector<std::pair<QString, QString>> links;  // from page, to target as written
    for (const auto& topic : guide->contents()) {
        if (!topic.local.isEmpty()) links.emplace_back("contents", topic.local);
    }
    static const QRegularExpression reference(R"re((?:href|src)="([^"]*)")re");
    for (const QString& page : pagesOf(*guide)) {
        const QString html = QString::fromUtf8(guide->read(page).value_or(QByteArray()));
        for (auto it = reference.globalMatch(html); it.hasNext();)
            links.emplace_back(page, it.next().captured(1));
    }

    for (const auto& [from, written] : links) {
        const QString base = from == "contents" ? QString("index.html") : from;
        const QUrl target = QUrl("chm:/" + base).resolved(QUrl(written));
        const std::string where = nameOf(language) + "/" + from.toStdString() + " -> " +
                                  written.toStdString();
        const auto bytes = guide->read(target.path());
        if (!bytes.has_value()) {
            ADD_FAILURE() << where << ": no such file in the guide";
        } else if (target.hasFragment()) {
            EXPECT_TRUE(bytes->contains("name=\"" + target.fragment().toUtf8() + "\""))
                << where << ": no such anchor";
        }
    }
    EXPECT_GE(links.size(), 50u) << nameOf(language);
}

// "WIDTHxHEIGHT" as a PNG file's header gives them.
std::string pngSize(const QByteArray& file)
{
    if (file.size() < 24 || !file.startsWith("\x89PNG\r\n\x1a\n") || file.mid(12, 4) != "IHDR")
        return "not a PNG file";
    return std::to_string(qFromBigEndian<quint32>(file.constData() + 16)) + "x" +
           std::to_string(qFromBigEndian<quint32>(file.constData() + 20));
}

// Every <img> shows a picture of the guide at the width and height its tag gives, as the help
// window scales a picture to those; a translated guide's pictures are its own, not the English
// window's.
TEST_P(GuidePictures, EveryPictureHasItsTagsSizeAndTheGuidesLanguage)
{
    const Guide& language = GetParam();

    static const QRegularExpression image(R"re(<img\b[^>]*>)re");
    static const QRegularExpression attribute(R"re((\w+)="([^"]*)")re");
    int pictures = 0;
    for (const QString& page : pagesOf(*guide)) {
        const QString html = QString::fromUtf8(guide->read(page).value_or(QByteArray()));
        for (auto tag = image.globalMatch(html); tag.hasNext(); ++pictures) {
            QMap<QString, QString> attributes;
            for (auto it = attribute.globalMatch(tag.next().captured()); it.hasNext();) {
                const auto match = it.next();
                attributes[match.captured(1)] = match.captured(2);
            }
            const QString path = QUrl("chm:/" + page).resolved(QUrl(attributes["src"])).path();
            const std::string where = nameOf(language) + "/" + page.toStdString() + ": " +
                                      attributes["src"].toStdString();
            const QByteArray file = guide->read(path).value_or(QByteArray());
            const QString tagged = attributes["width"] + "x" + attributes["height"];
            EXPECT_EQ(pngSize(file), tagged.toStdString()) << where << " has not its tag's size";
            if (*language.language) {
                EXPECT_TRUE(file != english->read(path).value_or(QByteArray()))
                    << where << " is the English picture";
            }
        }
    }
    EXPECT_GE(pictures, 3) << nameOf(language);
}

void PrintTo(const Guide& guide, std::ostream* out) { *out << nameOf(guide); }

std::string languageName(const testing::TestParamInfo<Guide>& info) { return nameOf(info.param); }

INSTANTIATE_TEST_SUITE_P(
    Translations, GuideLanguage,
    testing::ValuesIn(tavrel::test::rowsOf(guides, tavrel::test::kTranslatedLanguages)),
    languageName);
INSTANTIATE_TEST_SUITE_P(EveryGuide, GuideLinks,
                         testing::ValuesIn(tavrel::test::rowsOf(guides,
                                                                tavrel::test::withEnglish(""))),
                         languageName);
INSTANTIATE_TEST_SUITE_P(EveryGuide, GuidePictures,
                         testing::ValuesIn(tavrel::test::rowsOf(guides,
                                                                tavrel::test::withEnglish(""))),
                         languageName);

}  // namespace
