#include "export_file.h"

#include "reason_text.h"

#include <QSaveFile>

namespace tavrel::app {
namespace {

QString failure(const QString& path, const QSaveFile& file)
{
    const QString reason = file.error() == QFileDevice::NoError
                               ? QString("the picture could not be encoded")
                               : file.errorString();
    return QString("Cannot write \"%1\": %2.").arg(path, platform::withoutFullStop(reason));
}

}  // namespace

QString saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    // Unwritable folders, missing folders and folders given as the file all fail here.
    if (!file.open(QIODevice::WriteOnly)) return failure(path, file);
    // Without a commit, `file` removes its temporary file when it goes out of scope.
    if (!write(file) || !file.commit()) return failure(path, file);
    return {};
}

}  // namespace tavrel::app
