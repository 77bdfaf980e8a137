#pragma once
// Measurements are typed with a decimal point. Where the system's locale writes decimals with a
// comma, the comma key on the user's keyboard types that point, as "2,5" would otherwise not
// read as 2.5. The language of the texts plays no part: a German keyboard with English texts
// still types "2,5".

#include <QChar>

class QLineEdit;

namespace tavrel::platform {

// Whether the system's locale writes decimals with a comma (on Linux its numbers as LC_ALL,
// LC_NUMERIC or LANG set them, on Windows the user's regional settings): the comma key then
// types the point.
bool commaTypesPoint();

// Makes the comma key type a point into `box` where commaTypesPoint(). Filters the box had
// before see the point as a typed one.
void typePointForComma(QLineEdit& box);

// The character that typing `character` gives: a point for a comma where commaTypesPoint(),
// else the character itself.
QChar typedCharacter(QChar character);

}  // namespace tavrel::platform
