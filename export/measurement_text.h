#pragma once
// A measurement named in a text, such as the largest one the unit takes.

#include <QLocale>
#include <QString>

#include <string>

namespace tavrel::exporting {

// `typed`, a measurement as the entry box takes it ("91.02"), with the decimal mark of the
// language the texts are in ("91,02" in German, whose comma key types the box's point). No digit
// grouping: the box would not read it.
inline QString measurementText(const std::string& typed)
{
    return QString::fromStdString(typed).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace tavrel::exporting
