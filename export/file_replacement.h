#pragma once
// The system's part of writing a file: `content` takes the place of the file `path` names, so
// that the file is either complete or as it was. One implementation per platform.

#include <QByteArray>
#include <QString>

#include <filesystem>

namespace tavrel::exporting {

// Reasons of our own beside the system's error numbers.
constexpr int kNotAFile = -1;  // a disk or another device that is no stream, or a socket
constexpr int kNoReader = -2;  // a pipe that no program opened for reading in time
// A file that may be written in a folder that may not: its replacement is made beside it.
constexpr int kFolderNotWritable = -3;

// 0 when the content is in place; otherwise the system's error number or one of the reasons
// above, and the target is as it was.
int replaceFile(const std::filesystem::path& path, const QByteArray& content);

// The system's words for one of its error numbers, as replaceFile returns them.
QString systemReason(int error);

}  // namespace tavrel::exporting
