#include "helpview/help_path.h"

#include "platform/translation_name.h"

#include <filesystem>

namespace tavrel::help {
namespace {

bool isWindowsFolder(std::string_view folder)
{
    const bool driveLetter = folder.size() >= 2 && folder[1] == ':';
    return driveLetter || folder.find('\\') != std::string_view::npos;
}

std::string fileInFolder(std::string_view folder, std::string_view fileName)
{
    const char separator = isWindowsFolder(folder) ? '\\' : '/';
    std::string path(folder);
    if (path.empty() || path.back() != separator) path += separator;
    return path.append(fileName);
}

}  // namespace

std::string helpFilePath(std::string_view programFolder)
{
    return fileInFolder(programFolder, "TavrelMarker.chm");
}

std::string helpFilePath(std::string_view programFolder, std::string_view language)
{
    const std::string name = platform::translationName(language);
    if (name.empty() || name == "en") return helpFilePath(programFolder);
    std::string translated = fileInFolder(programFolder, "TavrelMarker_" + name + ".chm");
    std::error_code unreadable;
    if (std::filesystem::is_regular_file(translated, unreadable)) return translated;
    return helpFilePath(programFolder);
}

}  // namespace tavrel::help
