// Writes the desktop entry and the AppStream metainfo with their texts in every language the
// program speaks, from the program's own compiled translations, so that a desktop's search and a
// software centre find and describe Tavrel in the user's language.
//   localize_desktop_files QM_FOLDER DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT LANGUAGE...
// The English texts of the two files are offered to translators here; a text of the files
// missing here stops the build, as it would otherwise stay English in every language.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kDesktopTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Pattern Maker"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Draft a full-size cutting pattern from one measurement and print it at true "
                      "scale"),
    //: Words a sewist types into the desktop's search to find the program, each followed by a
    //: semicolon.
    QT_TRANSLATE_NOOP("DesktopEntry", "sewing;pattern;craft;template;print;true scale;"),
};

constexpr const char* kMetainfoTexts[] = {
    QT_TRANSLATE_NOOP("Metainfo", "Full-size cutting patterns from one measurement"),
    QT_TRANSLATE_NOOP("Metainfo",
                      "Tavrel drafts a flat cutting pattern from a single measurement and prints "
                      "it at its real size, ready to pin to fabric or trace onto cardstock."),
    QT_TRANSLATE_NOOP("Metainfo",
                      "Choose inches as decimals, inches with fractions such as 2 1/2, or "
                      "millimeters, type the measurement, and the pattern follows every keystroke. "
                      "A ruler under the pattern tells what one division must measure on paper, "
                      "so you can check that the printout came out at 100 %. Patterns can also be "
                      "saved as PDF, SVG, PNG or DXF files."),
    QT_TRANSLATE_NOOP("Metainfo", "A pattern for 2 1/2 inches with its check ruler"),
};

struct Language {
    QString code;  // as the files name it: "de", "pt_BR"
    std::unique_ptr<QTranslator> translator;
};

// Desktop files look a user's "pt_AO" up as "pt" when there is no "pt_AO": Portugal's
// Portuguese, which every Portuguese-speaking country but Brazil writes, goes there.
QString fileCode(const QString& translation)
{
    return translation == "pt_PT" ? QString("pt") : translation;
}

QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void requireOffered(const char* context, const QString& english, const auto& offered)
{
    for (const char* text : offered)
        if (english == QLatin1String(text)) return;
    throw std::runtime_error(std::string(context) + " text not offered to translators: \"" +
                             english.toStdString() + "\"; add it to localize_desktop_files.cpp");
}

// Each translated line follows its English one: "Comment[de]=..." after "Comment=...".
QString localizedDesktopEntry(const QString& entry, const std::vector<Language>& languages)
{
    static const QRegularExpression translatable("^(GenericName|Comment|Keywords)=(.*)$");
    QStringList lines;
    for (const QString& line : entry.split('\n')) {
        lines << line;
        const auto match = translatable.match(line);
        if (!match.hasMatch()) continue;
        requireOffered("DesktopEntry", match.captured(2), kDesktopTexts);
        for (const Language& language : languages) {
            const QString translated = language.translator->translate(
                "DesktopEntry", match.captured(2).toUtf8().constData());
            if (!translated.isEmpty())
                lines << QString("%1[%2]=%3").arg(match.captured(1), language.code, translated);
        }
    }
    return lines.join('\n');
}

// Each English element without xml:lang gets its translations as siblings, as AppStream reads them.
QString localizedMetainfo(const QString& metainfo, const std::vector<Language>& languages)
{
    static const QRegularExpression translatable(R"(([ \t]*)<(summary|p|caption)>(.*?)</\2>)",
                                                 QRegularExpression::DotMatchesEverythingOption);
    QString result;
    qsizetype copied = 0;
    for (const auto& match : translatable.globalMatch(metainfo)) {
        result += metainfo.mid(copied, match.capturedEnd() - copied);
        copied = match.capturedEnd();
        const QString english = match.captured(3).simplified();
        requireOffered("Metainfo", english, kMetainfoTexts);
        for (const Language& language : languages) {
            const QString translated =
                language.translator->translate("Metainfo", english.toUtf8().constData());
            if (translated.isEmpty()) continue;
            result += QString("\n%1<%2 xml:lang=\"%3\">%4</%2>")
                          .arg(match.captured(1), match.captured(2), language.code,
                               translated.toHtmlEscaped());
        }
    }
    return result + metainfo.mid(copied);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 7) {
        std::fputs(
            "usage: localize_desktop_files QM_FOLDER DESKTOP_IN DESKTOP_OUT METAINFO_IN "
            "METAINFO_OUT LANGUAGE...\n",
            stderr);
        return 2;
    }
    try {
        std::vector<Language> languages;
        for (const QString& translation : arguments.mid(6)) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load("tavrel_" + translation + ".qm", arguments[1]))
                throw std::runtime_error("no translation tavrel_" + translation.toStdString() +
                                         ".qm in " + arguments[1].toStdString());
            languages.push_back({fileCode(translation), std::move(translator)});
        }
        writeFile(arguments[3], localizedDesktopEntry(readFile(arguments[2]), languages));
        writeFile(arguments[5], localizedMetainfo(readFile(arguments[4]), languages));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "localize_desktop_files: %s\n", error.what());
        return 1;
    }
    return 0;
}
