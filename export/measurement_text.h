#pragma once
// A measurement named in a text, such as the largest one the unit takes.

#include <QLocale>
#include <QString>

#include <string>

namespace tavrel::exporting {

// `typed`, a measurement as the entry box takes it ("91.02"), written so that it can be typed
// back: Latin digits, no grouping, and `decimalMark` for the point, which is either the point or
// the comma ("91,02" where the comma key types the box's point). Never another language's own
// digits or mark, such as Arabic "91٫02", which the box refuses.
inline QString measurementText(const std::string& typed, QChar decimalMark)
{
    const QChar mark = decimalMark == QLatin1Char(',') ? decimalMark : QLatin1Char('.');
    return QString::fromStdString(typed).replace(QLatin1Char('.'), mark);
}

// The decimal mark of numbers typed on the command line, which reads a comma as the point on
// every machine: the comma where the language writes one, else the point.
inline QChar commandLineDecimalMark()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
}

}  // namespace tavrel::exporting
