#pragma once
// Where the help file lives: "TavrelMarker.chm" in the program's own folder, and a translated
// guide "TavrelMarker_LANG.chm" beside it.

#include <string>
#include <string_view>

namespace tavrel::app {

// The folder with one separator and the file name appended. A folder that already ends in a
// separator (a drive root such as C:\ or the POSIX root /) gets none added. Windows folders
// (with a backslash or a drive letter) take "\", all others "/".
std::string helpFilePath(std::string_view programFolder);

// The guide in `language` when its file is in the program's folder, else the English guide.
// Only the language part of the code counts ("de_DE", "pt-BR" and "de_DE.UTF-8" read as "de"
// and "pt"); English, "C", an empty code or one that is not two or three letters give the
// English guide, so that no code can name a file elsewhere.
std::string helpFilePath(std::string_view programFolder, std::string_view language);

}  // namespace tavrel::app
