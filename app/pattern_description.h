#pragma once
// The pattern in words, for those who cannot see the picture: the measurement drawn and how large
// the picture prints.

#include "measure/unit.h"

#include <QSize>
#include <QString>

namespace tavrel::app {

// "Pattern for 2 1/2 inches, 5.6 by 7.9 inches when printed": `typed` as the box shows it where
// it is what was drawn, else the `drawnInches`; the picture of `picturePixels`
// at its natural size on paper, in inches to a tenth or in whole millimeters as the unit. Every
// number in the language's notation, without digit grouping.
QString describePattern(const QString& typed, measure::Unit unit, double drawnInches,
                        QSize picturePixels, double twipsPerPixelX, double twipsPerPixelY);

}  // namespace tavrel::app
