#pragma once
// Texts for the standard PDF fonts, which read their bytes in WinAnsiEncoding (Windows-1252).

#include <string>
#include <string_view>

namespace tavrel::web {

// The characters of `utf8`; a broken sequence gives U+FFFD for one of its bytes.
std::u32string charactersOf(std::string_view utf8);

// `utf8` as WinAnsiEncoding bytes: every letter of the Western European languages comes
// through, anything else (and a broken UTF-8 sequence) becomes '?'.
std::string winAnsiOf(std::string_view utf8);

}  // namespace tavrel::web
