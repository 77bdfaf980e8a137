#pragma once
// A printer's scaling error, undone: the factors across and down by which everything drawn on
// its pages is enlarged so that it measures true on paper. The pages' parts are laid out on the
// paper divided by the factors, so that once enlarged they fill the paper as before.

namespace tavrel::pages {

// Printers that are further off than this are broken or set to scale, not in need of calibration.
inline constexpr double kLeastCorrection = 0.8;
inline constexpr double kGreatestCorrection = 1.25;

struct PrintCorrection {
    double across = 1;
    double down = 1;

    bool none() const { return across == 1 && down == 1; }
};

bool withinBounds(double factor);
bool withinBounds(PrintCorrection correction);  // both factors

// A factor as a percentage to a tenth, as the user reads it: 1.0204 is 102, 0.995 is 99.5.
double percentOf(double factor);

// The factors that make bars printed `nominal` long, measured `measured` long (in one unit),
// come out true; the caller refuses them beyond the bounds.
PrintCorrection correctionFromBars(double nominalAcross, double measuredAcross,
                                   double nominalDown, double measuredDown);

}  // namespace tavrel::pages
