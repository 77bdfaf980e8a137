#pragma once
// A file's name as the system has it, from and for Qt's text. A name from the command line keeps
// its bytes, which need not be UTF-8; a name from a dialog is Qt's text. Inline: the window uses
// them without the exporters.

#include <QString>

#include <filesystem>
#include <string>

namespace tavrel::exporting {

// Through UTF-8, which the system's own conversion takes on every platform without throwing.
inline std::filesystem::path fileNamed(const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A name given on the command line: its bytes on Linux, UTF-8 on Windows.
inline std::filesystem::path fileNamedByArgument(const std::string& argument)
{
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
}

// For messages: bytes that are no text show as replacement characters.
inline QString shownName(const std::filesystem::path& name)
{
    const std::u8string utf8 = name.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), qsizetype(utf8.size()));
}

}  // namespace tavrel::exporting
