#include "reason_text.h"

namespace tavrel::platform {

QString withoutFullStop(const QString& reason)
{
    QString clause = reason.trimmed();
    while (clause.endsWith('.')) clause.chop(1);
    return clause.trimmed();
}

}  // namespace tavrel::platform
