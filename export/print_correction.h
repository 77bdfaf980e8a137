#pragma once
// A printer's scaling error, undone: the factors across and down by which everything drawn on
// its pages is enlarged so that it measures true on paper. The pages' parts are laid out on the
// paper divided by the factors, so that once enlarged they fill the paper as before.

#include <QString>

namespace tavrel::exporting {

// Printers that are further off than this are broken or set to scale, not in need of calibration.
inline constexpr double kLeastCorrection = 0.8;
inline constexpr double kGreatestCorrection = 1.25;

struct PrintCorrection {
    double across = 1;
    double down = 1;

    bool none() const { return across == 1 && down == 1; }
};

bool withinBounds(double factor);

// A factor as a percentage in the user's language, to a tenth: 1.0204 is "102", 0.995 "99.5".
QString percentText(double factor);

// "102 % across, 99.5 % down"
QString correctionText(PrintCorrection correction);

}  // namespace tavrel::exporting
