#pragma once
// Where the help file lives: "TavrelMarker.chm" in the program's own folder, and a translated
// guide "TavrelMarker_LANG.chm" beside it.

#include <string>
#include <string_view>

namespace tavrel::help {

// The folder with one separator and the file name appended. A folder that already ends in a
// separator (a drive root such as C:\ or the POSIX root /) gets none added. Windows folders
// (with a backslash or a drive letter) take "\", all others "/".
std::string helpFilePath(std::string_view programFolder);

// The guide in `language` when its file is in the program's folder, else the English guide. The
// guide is the translation's ("de_DE" and "de_DE.UTF-8" read "TavrelMarker_de.chm", "pt-BR"
// "TavrelMarker_pt_BR.chm", "pt_AO" "TavrelMarker_pt_PT.chm"); English, "C", an empty code or
// one that names no language give the English guide, so that no code can name a file elsewhere.
std::string helpFilePath(std::string_view programFolder, std::string_view language);

}  // namespace tavrel::help
