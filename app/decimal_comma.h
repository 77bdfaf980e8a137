#pragma once
// Measurements are typed with a decimal point. Where the language in effect writes decimals with
// a comma, its comma key types that point, as "2,5" would otherwise not read as 2.5.

class QLineEdit;

namespace tavrel::app {

// Makes the comma key type a point into `box`, where the language writes decimal commas. Filters
// the box had before see the point as a typed one.
void typePointForComma(QLineEdit& box);

}  // namespace tavrel::app
