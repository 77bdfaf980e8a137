#pragma once
// Measurements are typed with a decimal point. Where the language in effect writes decimals with
// a comma, its comma key types that point, as "2,5" would otherwise not read as 2.5.

class QKeyEvent;
class QLineEdit;

namespace tavrel::app {

// Whether the key is a plain comma that types a point in the language in effect.
bool commaTypesPoint(const QKeyEvent& key);

// Makes the comma key type a point into `box`, where the language writes decimal commas.
void typePointForComma(QLineEdit& box);

}  // namespace tavrel::app
