#pragma once
// Measurements are typed with a decimal point. Where the language in effect writes decimals with
// a comma, its comma key types that point, as "2,5" would otherwise not read as 2.5.

#include <QChar>

class QLineEdit;

namespace tavrel::platform {

// Makes the comma key type a point into `box`, where the language writes decimal commas. Filters
// the box had before see the point as a typed one.
void typePointForComma(QLineEdit& box);

// Whether the comma key types the decimal point: where decimals are written with a comma.
bool commaTypesPoint();

// The character that typing `character` gives: a point for a comma where the language writes
// decimal commas, else the character itself.
QChar typedCharacter(QChar character);

}  // namespace tavrel::platform
