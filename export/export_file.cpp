#include "export/export_file.h"

#include "export/file_name.h"
#include "export/file_replacement.h"
#include "export/reason_text.h"

#include <QBuffer>
#include <QCoreApplication>

namespace tavrel::exporting {
namespace {

// Stands for an encoder that failed without an error of the system.
constexpr int kNotEncoded = -100;

QString failure(const std::filesystem::path& path, int error)
{
    const QString shown = shownName(path);
    if (error == kNotEncoded)
        return QCoreApplication::translate("ExportFile",
                                           "Cannot write \"%1\": the picture could not be encoded.")
            .arg(shown);
    if (error == kNotAFile)
        return QCoreApplication::translate(
                   "ExportFile", "Cannot write \"%1\": it is a disk or a socket, not a file.")
            .arg(shown);
    if (error == kNoReader)
        return QCoreApplication::translate(
                   "ExportFile", "Cannot write \"%1\": no program is reading from this pipe.")
            .arg(shown);
    if (error == kFolderNotWritable) {
        // The folder the file is in, where a link to it leads.
        std::error_code failed;
        const std::filesystem::path real = std::filesystem::weakly_canonical(path, failed);
        const std::filesystem::path folder =
            (failed ? std::filesystem::absolute(path, failed) : real).parent_path();
        //: %2 is the folder of the file %1.
        return QCoreApplication::translate("ExportFile",
                                           "Cannot write \"%1\": its folder \"%2\" does not let "
                                           "you add files, and the new file is written there "
                                           "before it replaces the old one.")
            .arg(shown, shownName(folder));
    }
    //: %2 is the system's reason, such as "No space left on device".
    return QCoreApplication::translate("ExportFile", "Cannot write \"%1\": %2.")
        .arg(shown, withoutFullStop(systemReason(error)));
}

}  // namespace

QString saveFileAtomically(const std::filesystem::path& path,
                           const std::function<bool(QIODevice&)>& write)
{
    // The whole content first (a few MiB at most): the temporary file exists only while it is
    // written, so that an interrupted export leaves none behind.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content)) return failure(path, kNotEncoded);
    const int error = replaceFile(path, content.data());
    return error == 0 ? QString() : failure(path, error);
}

}  // namespace tavrel::exporting
