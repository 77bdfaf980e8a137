#pragma once
// Reasons from the system and from libraries go inside sentences of ours, which end with their
// own full stop. Header only, beside the exporters, which use it, as printing does.

#include <QString>

namespace tavrel::exporting {

// The reason without the full stops and spaces it may end with.
inline QString withoutFullStop(const QString& reason)
{
    QString clause = reason.trimmed();
    while (clause.endsWith('.')) clause.chop(1);
    return clause.trimmed();
}

}  // namespace tavrel::exporting
