#include "app/help_path.h"

#include <algorithm>
#include <filesystem>

namespace tavrel::app {
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

// "de" for "de", "DE", "de_DE", "de-DE" or "de_DE.UTF-8"; empty for anything else.
std::string languagePart(std::string_view code)
{
    std::string language(code.substr(0, code.find_first_of("_-.@")));
    const bool letters = std::all_of(language.begin(), language.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    if (!letters || language.size() < 2 || language.size() > 3) return {};
    std::transform(language.begin(), language.end(), language.begin(),
                   [](char c) { return static_cast<char>(c | 0x20); });
    return language;
}

}  // namespace

std::string helpFilePath(std::string_view programFolder)
{
    return fileInFolder(programFolder, "TavrelMarker.chm");
}

std::string helpFilePath(std::string_view programFolder, std::string_view language)
{
    const std::string part = languagePart(language);
    if (part.empty() || part == "en") return helpFilePath(programFolder);
    std::string translated = fileInFolder(programFolder, "TavrelMarker_" + part + ".chm");
    std::error_code unreadable;
    if (std::filesystem::is_regular_file(translated, unreadable)) return translated;
    return helpFilePath(programFolder);
}

}  // namespace tavrel::app
