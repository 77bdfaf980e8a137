#include "app/help_path.h"

namespace tavrel::app {
namespace {

bool isWindowsFolder(std::string_view folder)
{
    const bool driveLetter = folder.size() >= 2 && folder[1] == ':';
    return driveLetter || folder.find('\\') != std::string_view::npos;
}

}  // namespace

std::string helpFilePath(std::string_view programFolder)
{
    const char separator = isWindowsFolder(programFolder) ? '\\' : '/';
    std::string path(programFolder);
    if (path.empty() || path.back() != separator) path += separator;
    return path + "TavrelMarker.chm";
}

}  // namespace tavrel::app
