#pragma once
// Reasons from the system and from libraries go inside sentences of ours, which end with their
// own full stop.

#include <QString>

namespace tavrel::platform {

// The reason without the full stops and spaces it may end with.
QString withoutFullStop(const QString& reason);

}  // namespace tavrel::platform
