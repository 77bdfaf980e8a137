#pragma once
// The notice that says why a paste or a drop entered nothing: the character the box refused,
// named so that one that shows as nothing (a tab, a no-break space) reads too.

#include "measure/key_filter.h"

#include <QChar>
#include <QString>

namespace tavrel::app {

enum class Arrival { Pasted, Dropped };

QString refusalNotice(Arrival arrival, QChar refused, measure::Refusal::Why why);

}  // namespace tavrel::app
