#pragma once
// The language the program speaks: the system locale's, or the one --lang CODE names for a run.
// English is the language the texts are written in; other languages come from the translation
// files beside the program ("translations/tavrel_de.qm", "translations/tavrel_pt_BR.qm") and from
// Qt's own for its dialogs.

#include <QLocale>
#include <QString>

#include <optional>

namespace tavrel::platform {

// The value of "--lang CODE" or "--lang=CODE" among the arguments; an empty string when the
// option is given without a value.
std::optional<QString> languageOption(int argc, char** argv);

// Whether the arguments name nothing but the language ("--lang CODE" or "--lang=CODE").
bool onlyLanguageChosen(int argc, char** argv);

// Whether the language (the system locale's when absent) is English, or the C locale, whose
// texts are those the program is written in.
bool speaksEnglish(const std::optional<QString>& language);

// Loads the translations for `language` (a locale name such as "de", "de_DE" or "pt_BR"; the
// system locale's when absent) into the running application and makes it the language in effect.
// Portuguese is Brazil's for Brazil and Portugal's for any other country or none. English and
// the C locale load only the English plural forms. Returns false when the program has no
// translation for the language: it then speaks English. Translations installed before are
// removed. `folder` is where the program's own files are; "translations" beside the program when
// empty. Without an application, only the numbers change. Numbers in texts, QLocale() and "%Ln"
// then follow the language's locale: its decimal mark, and its digit grouping where the texts
// are translated.
bool installTranslations(const std::optional<QString>& language, const QString& folder = {});

// The translation in effect since the last installation, as "de" or "pt_BR"; "en" while the
// program speaks English, as before any. F1 opens the guide of that translation.
QString interfaceLanguage();

}  // namespace tavrel::platform
