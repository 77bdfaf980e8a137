#include "extras/elf_digest.h"
#include "extras/extras_check.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tavrel::extras {

QString extrasFileProblem(const QString& libraryName)
{
    const QString path = libraryName + QStringLiteral(".so");
    const QFileInfo file(path);
    //: %1 is the module's file.
    if (!file.exists()) return QCoreApplication::translate("Extras", "%1 is missing").arg(path);
    // A named pipe would keep every export, the help and F1 waiting for a writer.
    if (!file.isFile())
        //: %1 is the module's file.
        return QCoreApplication::translate("Extras", "%1 is not a file").arg(path);
    const auto digest = elfLoadedDigest(path);
    if (digest && digest->toHex() == kBuiltExtrasDigest) return {};
    //: %1 is the module's file.
    return QCoreApplication::translate("Extras", "%1 is not the module built with this program")
        .arg(path);
}

}  // namespace tavrel::extras
