#pragma once
// The unit of the check ruler printed on every page and of the calibration sheet's bars, on its
// own so that the papers and the printer need not include the exporters.

namespace tavrel::exporting {

enum class CheckRuler { Inch, Centimeter };

}  // namespace tavrel::exporting
