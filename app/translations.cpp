#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <string_view>
#include <vector>

namespace tavrel::app {
namespace {

QLocale& localeInEffect()
{
    static QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
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

bool install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, "_", folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed().push_back(std::move(translator));
    return true;
}

void removeInstalled()
{
    for (const auto& translator : installed()) QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

// The numbers of the texts: the locale's decimal mark, and its digit grouping where the texts
// are in its language. English texts keep their digits ungrouped, as they are written.
QLocale numbersOf(QLocale locale, bool translated)
{
    if (!translated) locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
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
    return namesEnglishFirst(language ? QLocale(*language) : QLocale::system());
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
    const QLocale locale = language ? QLocale(*language) : QLocale::system();
    // Its decimal mark counts even where the texts stay English.
    localeInEffect() = locale;
    const bool english = namesEnglishFirst(locale);
    bool translated = false;
    // Translators need the application; the command line has none in English.
    if (QCoreApplication::instance()) {
        const QString ours =
            folder.isEmpty() ? QCoreApplication::applicationDirPath() + "/translations" : folder;
        translated = !english && install(locale, "tavrel", ours);
        if (translated)
            // Qt's own texts: the file dialog, the box's edit menu, the standard buttons.
            install(locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        else
            // The texts are written in English, all but the plural forms of those with a count.
            install(QLocale(QLocale::English), "tavrel", ours);
    }
    QLocale::setDefault(numbersOf(locale, translated));
    return translated || english;
}

QLocale interfaceLocale()
{
    return localeInEffect();
}

QString interfaceLanguage()
{
    const QStringList languages = localeInEffect().uiLanguages();
    return languages.isEmpty() ? QString("en_US") : QLocale(languages.first()).name();
}

}  // namespace tavrel::app
