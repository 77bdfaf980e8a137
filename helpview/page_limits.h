#pragma once
// What the help window shows in reasonable time: Qt's text layout takes seconds for a large
// page, and about twice as long again for each table nested in another (20 levels: 29 s; some
// thousands overflow the stack).

#include <QString>

namespace tavrel::help {

// Whether the page, decoded, is small enough, has few enough tags and nests its tables shallowly
// enough for the help window to lay it out in a fraction of a second.
bool fitsTheHelpWindow(const QString& html);

}  // namespace tavrel::help
