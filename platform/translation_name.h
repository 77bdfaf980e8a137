#pragma once
// Which of the program's translations serves a language: each language has one, named by its
// code ("de"), except Portuguese, which has Brazil's ("pt_BR") and Portugal's ("pt_PT"), the one
// every other Portuguese-speaking country writes too.

#include <string>
#include <string_view>

namespace tavrel::platform {

// The translation's name for a locale or language code, read without regard to case: "de" for
// "de", "de_AT", "de-Latn-DE" or "de_DE.UTF-8"; "pt_BR" for "pt_BR" or "pt-Latn-BR"; "pt_PT" for
// "pt_PT", "pt_AO", "pt_MZ" and Portuguese without a country ("pt"). Empty for a code whose
// language is not two or three letters ("C", "", "../de"), so that no code can name a file
// elsewhere.
std::string translationName(std::string_view code);

}  // namespace tavrel::platform
