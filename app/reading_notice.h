#pragma once
// The note under the entry box where "Inches (Fractions)" draws another size than its text
// plainly says: a decimal whole part is rounded ("2.5" draws 2 inches), a fraction over 0 counts
// as none, a piece that stands where no number is read goes unread.

#include "measure/unit.h"

#include <QString>

namespace tavrel::app {

// Whether `typed` is drawn as the size it plainly says.
bool drawnAsTyped(const QString& typed, measure::Unit unit);

// What is drawn for `typed`, empty where that is what it says. Numbers are
// written as the box takes them back: Latin digits, with the comma for the point where the comma
// key types it.
QString readingNotice(const QString& typed, measure::Unit unit, double drawnInches);

// A measurement in the notation the box takes back.
QString typedBackNumber(QString number);

// The drawn inches or millimeters to a thousandth at most, as "2" or "2.333".
QString drawnNumber(double drawn);

}  // namespace tavrel::app
