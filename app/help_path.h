#pragma once
// Where the help file lives: "TavrelMarker.chm" in the program's own folder.

#include <string>
#include <string_view>

namespace tavrel::app {

// The folder with one separator and the file name appended. A folder that already ends in a
// separator (a drive root such as C:\ or the POSIX root /) gets none added. Windows folders
// (with a backslash or a drive letter) take "\", all others "/".
std::string helpFilePath(std::string_view programFolder);

}  // namespace tavrel::app
