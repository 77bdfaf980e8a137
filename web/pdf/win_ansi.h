#pragma once
// Texts for the standard PDF fonts, which read their bytes in WinAnsiEncoding (Windows-1252).

#include <string>
#include <string_view>

namespace tavrel::web {

// `utf8` as WinAnsiEncoding bytes: every letter of the Western European languages comes
// through, anything else (and a broken UTF-8 sequence) becomes '?'.
std::string winAnsiOf(std::string_view utf8);

}  // namespace tavrel::web
