#include "platform/translations.h"

#include "platform/translation_name.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <string_view>
#include <vector>

namespace tavrel::platform {
namespace {

QString& translationInEffect()
{
    static QString name("en");
    return name;
}

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// Whether the first language the locale names for texts is English or none at all. For the
// system's locale that language comes from LANGUAGE or LC_MESSAGES.
bool namesEnglishFirst(const QLocale& locale)
{
    const QStringList languages = locale.uiLanguages();
    return languages.isEmpty() || languages.first() == "C" || languages.first().startsWith("en");
}

// Installs FILE.qm from the folder.
bool install(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed().push_back(std::move(translator));
    return true;
}

// The locale a code names. A language alone is the one its translation writes: plain "pt" is
// Portugal's Portuguese, where Qt would read Brazil's.
QLocale localeNamed(const QString& code)
{
    const QString name = QString::fromStdString(translationName(code.toStdString()));
    return QLocale(name.startsWith(code + '_', Qt::CaseInsensitive) ? name : code);
}

// Installs the program's texts in the first of the locale's languages that it speaks, with Qt's
// own texts in that language (the file dialog, the box's edit menu, the standard buttons; the
// program carries those Qt has not translated, as for Portugal's Portuguese).
void installFirstSpoken(const QLocale& locale, const QString& ours)
{
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QString name = QString::fromStdString(translationName(uiLanguage.toStdString()));
        if (name.isEmpty() || !install("tavrel_" + name, ours)) continue;
        install("qtbase_" + name, ours) ||
            install("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        translationInEffect() = name;
        return;
    }
}

// The numbers of the texts: the locale's decimal mark, and its digit grouping where the texts
// are in its language. English texts keep their digits ungrouped, as they are written.
QLocale numbersOf(QLocale locale, bool translated)
{
    if (!translated) locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

void removeInstalled()
{
    for (const auto& translator : installed()) QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

}  // namespace

std::optional<QString> languageOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--lang="))
            return QString::fromLocal8Bit(argument.substr(7).data());
        if (argument == "--lang")
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
    }
    return std::nullopt;
}

bool speaksEnglish(const std::optional<QString>& language)
{
    return namesEnglishFirst(language ? localeNamed(*language) : QLocale::system());
}

bool onlyLanguageChosen(int argc, char** argv)
{
    const bool apart = argc == 3 && std::string_view(argv[1]) == "--lang";
    const bool joined = argc == 2 && std::string_view(argv[1]).starts_with("--lang=");
    return apart || joined;
}

bool installTranslations(const std::optional<QString>& language, const QString& folder)
{
    removeInstalled();
    translationInEffect() = "en";
    const QLocale locale = language ? localeNamed(*language) : QLocale::system();
    const bool english = namesEnglishFirst(locale);
    // Translators need the application; the command line has none in English.
    if (QCoreApplication::instance()) {
        const QString ours =
            folder.isEmpty() ? QCoreApplication::applicationDirPath() + "/translations" : folder;
        if (!english) installFirstSpoken(locale, ours);
        // The texts are written in English, all but the plural forms of those with a count.
        if (translationInEffect() == "en") install("tavrel_en", ours);
    }
    const bool translated = translationInEffect() != "en";
    QLocale::setDefault(numbersOf(locale, translated));
    return translated || english;
}

QString interfaceLanguage()
{
    return translationInEffect();
}

}  // namespace tavrel::platform
